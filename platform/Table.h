#pragma once
// A table with the interface of the program's table component (field and
// index definitions, create, open, append, set fields, post, close), kept in
// SQLite through Qt SQL.
//
// Storage: the table NAME in the database directory DIR is the SQLite file
// DIR/NAME.db holding one SQL table NAME. Its columns are the fields in
// their defined order: INTEGER for integer fields, TEXT for text fields
// (a text field of size n carries CHECK (length(col) <= n)); required fields
// and the fields of the primary index are NOT NULL; the primary index is the
// table's PRIMARY KEY, a unique index that is not primary a UNIQUE index.
// Anyone can read the file with sqlite3.
//
// Values: an integer field holds a 32-bit integer; a text field keeps at
// most its size in characters (a longer value is cut); an empty text is a
// blank (NULL) field, as in the tables the program was designed on.
//
// Failures (a directory or file that cannot be opened or created, a missing
// required field, a duplicate key, a value that is not a number for an
// integer field, an operation in the wrong state) throw TableError.
//
// Each Table owns its own database connection; tables are used on the
// thread that created them.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>
#include <stdexcept>

class QSqlDatabase;
class QSqlTableModel;

namespace platform {

class TableError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

enum class FieldType { Integer, String };

struct FieldDef
{
    QString name;
    FieldType type = FieldType::String;
    int size = 0;          // characters, for text fields
    bool required = false;
};

struct IndexDef
{
    QStringList fields;
    bool primary = true;
    bool unique = true;
};

class Table
{
public:
    Table();
    ~Table();
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    // The directory that holds the table's file.
    void setDatabaseName(const QString &directory);
    QString databaseName() const;
    void setTableName(const QString &name);
    QString tableName() const;
    // DIR/NAME.db
    QString filePath() const;

    void clearFieldDefs();
    void addFieldDef(const QString &name, FieldType type, int size = 0, bool required = false);
    QList<FieldDef> fieldDefs() const;

    void clearIndexDefs();
    // Key fields separated by ";" ("Loop;Sensor"). Only one index is kept:
    // a later definition replaces an earlier one.
    void addIndexDef(const QString &fields, bool primary = true, bool unique = true);
    void addIndexDef(const QStringList &fields, bool primary = true, bool unique = true);
    std::optional<IndexDef> indexDef() const;

    // Creates the table from the definitions, replacing a table of the same
    // name and its contents. The table is closed afterwards.
    void createTable();

    // Opens the existing table; its field and index definitions are read
    // from the file.
    void open();
    void close();
    bool isOpen() const;

    // Starts a new record; nothing is stored until post().
    void append();
    // Puts the record being appended into edit mode (it already is).
    void edit();
    // Sets a field of the record being appended (name without regard to case).
    void setField(const QString &name, const QVariant &value);
    // Stores the record being appended. On failure the record stays pending
    // and may be corrected, posted again or cancelled.
    void post();
    void cancel();
    bool isAppending() const;

    // Number of records (the table must be open).
    int recordCount() const;

    // Values of every record in key order (the table must be open), for
    // reports and tests.
    QList<QVariantList> records() const;

    // A model over the table for data-aware grids, on this table's
    // connection; valid while the table is open (selected on open, emptied on
    // close). Text edits through the model are cut to the field size.
    QSqlTableModel *model();

    // The name of this table's connection (unique per Table).
    QString connectionName() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace platform
