#include "Table.h"

#include "CodePage1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>

#include <algorithm>
#include <atomic>
#include <limits>

namespace platform {

namespace {

std::atomic<int> g_nextConnection{1};

QString quoted(const QString &identifier)
{
    QString q = identifier;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

[[noreturn]] void fail(const QString &message)
{
    throw TableError(message.toStdString());
}

int fieldIndex(const QList<FieldDef> &fields, const QString &name)
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// The stored form of a value for a field: a 32-bit integer, a text cut to
// the field's size, or NULL for a blank. Returns false for a value that an
// integer field cannot hold.
bool storedValue(const FieldDef &field, const QVariant &value, QVariant &stored)
{
    stored = QVariant();
    if (!value.isValid() || value.isNull())
        return true;

    if (field.type == FieldType::String) {
        QString text = value.typeId() == QMetaType::QByteArray ? fromCp1252(value.toByteArray()) : value.toString();
        if (field.size > 0 && text.size() > field.size)
            text.truncate(field.size);
        if (!text.isEmpty())
            stored = text;
        return true;
    }

    qlonglong number = 0;
    bool ok = false;
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString text = (value.typeId() == QMetaType::QByteArray ? fromCp1252(value.toByteArray()) : value.toString()).trimmed();
        if (text.isEmpty())
            return true;
        number = text.toLongLong(&ok, 10);
        break;
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        ok = d == double(qlonglong(d));
        number = qlonglong(d);
        break;
    }
    case QMetaType::Bool:
        number = value.toBool() ? 1 : 0;
        ok = true;
        break;
    default:
        number = value.toLongLong(&ok);
        break;
    }
    if (!ok || number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<qint32>::max())
        return false;
    stored = int(number);
    return true;
}

// A model that stores edits as the table would: texts cut to their size,
// integer fields only numbers; rows in key order.
class TableModel : public QSqlTableModel
{
public:
    TableModel(const QSqlDatabase &db, const QList<FieldDef> *fields, const std::optional<IndexDef> *index)
        : QSqlTableModel(nullptr, db), m_fields(fields), m_index(index)
    {
    }

    bool setData(const QModelIndex &idx, const QVariant &value, int role) override
    {
        if (role == Qt::EditRole && idx.isValid() && idx.column() < m_fields->size()) {
            QVariant stored;
            if (!storedValue(m_fields->at(idx.column()), value, stored))
                return false;
            return QSqlTableModel::setData(idx, stored, role);
        }
        return QSqlTableModel::setData(idx, value, role);
    }

protected:
    QString orderByClause() const override
    {
        const QString own = QSqlTableModel::orderByClause();
        if (!own.isEmpty() || !m_index->has_value() || (*m_index)->fields.isEmpty())
            return own;
        QStringList keys;
        for (const QString &f : (*m_index)->fields)
            keys.append(quoted(f));
        return QStringLiteral("ORDER BY ") + keys.join(QStringLiteral(", "));
    }

private:
    const QList<FieldDef> *m_fields;
    const std::optional<IndexDef> *m_index;
};

} // namespace

struct Table::Private
{
    QString directory;
    QString name;
    QList<FieldDef> fields;
    std::optional<IndexDef> index;
    QString connection;
    bool open = false;
    bool appending = false;
    QVariantList pending;
    std::unique_ptr<TableModel> model;

    QSqlDatabase db() const { return QSqlDatabase::database(connection, false); }

    QString path() const
    {
        QString dir = directory;
        dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (dir.isEmpty())
            dir = QStringLiteral(".");
        return dir + QLatin1Char('/') + name + QStringLiteral(".db");
    }

    void requireName() const
    {
        if (name.isEmpty())
            fail(QStringLiteral("No table name given"));
    }

    void requireOpen() const
    {
        if (!open)
            fail(QStringLiteral("Cannot perform this operation on a closed table (%1)").arg(name));
    }

    void openConnection()
    {
        QSqlDatabase database = db();
        database.close();
        database.setDatabaseName(path());
        if (!database.open())
            fail(QStringLiteral("Cannot open the table file %1: %2").arg(path(), database.lastError().text()));
    }

    void closeConnection()
    {
        QSqlDatabase database = db();
        database.close();
    }

    QSqlQuery exec(const QString &sql)
    {
        QSqlQuery query(db());
        if (!query.exec(sql))
            fail(QStringLiteral("Table %1: %2").arg(name, query.lastError().text()));
        return query;
    }

    void loadSchema();
    void createInFile();
};

void Table::Private::loadSchema()
{
    QSqlQuery master(db());
    master.prepare(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    master.addBindValue(name);
    if (!master.exec())
        fail(QStringLiteral("Cannot read the table file %1: %2").arg(path(), master.lastError().text()));
    if (!master.next())
        fail(QStringLiteral("Table %1 does not exist in %2").arg(name, path()));
    const QString createSql = master.value(0).toString();
    master.finish();

    QList<FieldDef> loaded;
    QList<QPair<int, QString>> keys;
    QSqlQuery info = exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(name)));
    while (info.next()) {
        FieldDef f;
        f.name = info.value(1).toString();
        f.type = info.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0
            ? FieldType::Integer : FieldType::String;
        f.required = info.value(3).toInt() != 0;
        if (f.type == FieldType::String) {
            const QRegularExpression re(QStringLiteral("CHECK \\(length\\(%1\\) <= (\\d+)\\)")
                                            .arg(QRegularExpression::escape(quoted(f.name))));
            const QRegularExpressionMatch m = re.match(createSql);
            f.size = m.hasMatch() ? m.captured(1).toInt() : 0;
        }
        if (info.value(5).toInt() > 0)
            keys.append({info.value(5).toInt(), f.name});
        loaded.append(f);
    }
    info.finish();
    std::sort(keys.begin(), keys.end());

    std::optional<IndexDef> loadedIndex;
    if (!keys.isEmpty()) {
        IndexDef def;
        for (const auto &k : keys)
            def.fields.append(k.second);
        loadedIndex = def;
    } else {
        // A unique index that is not the primary key.
        QSqlQuery list = exec(QStringLiteral("PRAGMA index_list(%1)").arg(quoted(name)));
        QString uniqueIndex;
        while (list.next()) {
            if (list.value(2).toInt() != 0) {
                uniqueIndex = list.value(1).toString();
                break;
            }
        }
        list.finish();
        if (!uniqueIndex.isEmpty()) {
            IndexDef def;
            def.primary = false;
            QSqlQuery cols = exec(QStringLiteral("PRAGMA index_info(%1)").arg(quoted(uniqueIndex)));
            while (cols.next())
                def.fields.append(cols.value(2).toString());
            loadedIndex = def;
        }
    }
    fields = loaded;
    index = loadedIndex;
}

void Table::Private::createInFile()
{
    QStringList columns;
    QStringList keyFields;
    if (index) {
        for (const QString &f : index->fields)
            keyFields.append(f);
    }
    for (const FieldDef &f : fields) {
        QString col = quoted(f.name) + (f.type == FieldType::Integer ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT"));
        const bool key = index && index->primary
            && std::any_of(keyFields.cbegin(), keyFields.cend(),
                           [&](const QString &k) { return k.compare(f.name, Qt::CaseInsensitive) == 0; });
        if (f.required || key)
            col += QStringLiteral(" NOT NULL");
        if (f.type == FieldType::String)
            col += QStringLiteral(" CHECK (length(%1) <= %2)").arg(quoted(f.name)).arg(f.size);
        columns.append(col);
    }
    QStringList keyColumns;
    for (const QString &k : keyFields)
        keyColumns.append(quoted(k));

    QString create = QStringLiteral("CREATE TABLE %1 (%2").arg(quoted(name), columns.join(QStringLiteral(", ")));
    if (index && index->primary)
        create += QStringLiteral(", PRIMARY KEY (%1)").arg(keyColumns.join(QStringLiteral(", ")));
    create += QLatin1Char(')');

    QSqlDatabase database = db();
    if (!database.transaction())
        fail(QStringLiteral("Cannot create the table %1: %2").arg(path(), database.lastError().text()));
    try {
        exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(quoted(name)));
        exec(create);
        if (index && !index->primary) {
            exec(QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                     .arg(index->unique ? QStringLiteral("UNIQUE ") : QString(), quoted(name + QStringLiteral("_key")),
                          quoted(name), keyColumns.join(QStringLiteral(", "))));
        }
    } catch (...) {
        database.rollback();
        throw;
    }
    if (!database.commit())
        fail(QStringLiteral("Cannot create the table %1: %2").arg(path(), database.lastError().text()));
}

Table::Table()
    : d(std::make_unique<Private>())
{
    d->connection = QStringLiteral("velmora-table-%1").arg(g_nextConnection.fetch_add(1));
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connection);
}

Table::~Table()
{
    d->model.reset();
    d->pending.clear();
    d->closeConnection();
    const QString connection = d->connection;
    d.reset();
    QSqlDatabase::removeDatabase(connection);
}

void Table::setDatabaseName(const QString &directory)
{
    if (d->open)
        fail(QStringLiteral("Cannot change the database of an open table (%1)").arg(d->name));
    d->directory = directory;
}

QString Table::databaseName() const { return d->directory; }

void Table::setTableName(const QString &name)
{
    if (d->open)
        fail(QStringLiteral("Cannot change the name of an open table (%1)").arg(d->name));
    d->name = name;
}

QString Table::tableName() const { return d->name; }
QString Table::filePath() const { return d->path(); }
QString Table::connectionName() const { return d->connection; }

void Table::clearFieldDefs() { d->fields.clear(); }

void Table::addFieldDef(const QString &name, FieldType type, int size, bool required)
{
    d->fields.append(FieldDef{name, type, type == FieldType::String ? size : 0, required});
}

QList<FieldDef> Table::fieldDefs() const { return d->fields; }

void Table::clearIndexDefs() { d->index.reset(); }

void Table::addIndexDef(const QString &fields, bool primary, bool unique)
{
    addIndexDef(fields.split(QLatin1Char(';'), Qt::SkipEmptyParts), primary, unique);
}

void Table::addIndexDef(const QStringList &fields, bool primary, bool unique)
{
    QStringList trimmed;
    for (const QString &f : fields)
        trimmed.append(f.trimmed());
    d->index = IndexDef{trimmed, primary, unique};
}

std::optional<IndexDef> Table::indexDef() const { return d->index; }

void Table::createTable()
{
    d->requireName();
    if (d->fields.isEmpty())
        fail(QStringLiteral("Table %1 has no field definitions").arg(d->name));
    for (int i = 0; i < d->fields.size(); ++i) {
        const FieldDef &f = d->fields.at(i);
        if (f.name.trimmed().isEmpty())
            fail(QStringLiteral("Table %1: field %2 has no name").arg(d->name).arg(i + 1));
        if (fieldIndex(d->fields.mid(0, i), f.name) >= 0)
            fail(QStringLiteral("Table %1: field %2 is defined twice").arg(d->name, f.name));
        if (f.type == FieldType::String && f.size < 1)
            fail(QStringLiteral("Table %1: text field %2 needs a size").arg(d->name, f.name));
    }
    if (d->index) {
        if (d->index->fields.isEmpty())
            fail(QStringLiteral("Table %1: the index has no fields").arg(d->name));
        for (const QString &k : d->index->fields) {
            if (fieldIndex(d->fields, k) < 0)
                fail(QStringLiteral("Table %1: index field %2 is not a field of the table").arg(d->name, k));
        }
    }
    close();

    if (!QFileInfo(d->path()).absoluteDir().exists())
        fail(QStringLiteral("Cannot create the table %1: the folder does not exist").arg(d->path()));
    try {
        d->openConnection();
        d->createInFile();
    } catch (const TableError &e) {
        // A file that is not a table file (or a damaged one) is replaced as a
        // whole; anything else (a locked file, a read-only folder) is an error.
        d->closeConnection();
        const QString why = QString::fromStdString(e.what());
        const bool notATable = why.contains(QLatin1String("not a database")) || why.contains(QLatin1String("malformed"));
        if (!notATable || !QFile::remove(d->path()))
            throw;
        d->openConnection();
        d->createInFile();
    }
    d->closeConnection();
}

void Table::open()
{
    if (d->open)
        return;
    d->requireName();
    if (!QFileInfo(d->path()).isFile())
        fail(QStringLiteral("Table %1 does not exist").arg(d->path()));
    d->openConnection();
    try {
        d->loadSchema();
    } catch (...) {
        d->closeConnection();
        throw;
    }
    d->open = true;
    d->appending = false;
    if (d->model) {
        d->model->setTable(d->name);
        d->model->select();
    }
}

void Table::close()
{
    if (!d->open)
        return;
    d->appending = false;
    d->pending.clear();
    if (d->model)
        d->model->clear();
    d->closeConnection();
    d->open = false;
}

bool Table::isOpen() const { return d->open; }

void Table::append()
{
    d->requireOpen();
    d->pending = QVariantList(d->fields.size());
    d->appending = true;
}

void Table::edit()
{
    d->requireOpen();
    if (!d->appending)
        fail(QStringLiteral("Table %1 has no current record to edit").arg(d->name));
}

void Table::setField(const QString &name, const QVariant &value)
{
    d->requireOpen();
    if (!d->appending)
        fail(QStringLiteral("Table %1 is not in edit or insert mode").arg(d->name));
    const int i = fieldIndex(d->fields, name);
    if (i < 0)
        fail(QStringLiteral("Field '%1' not found in table %2").arg(name, d->name));
    QVariant stored;
    if (!storedValue(d->fields.at(i), value, stored))
        fail(QStringLiteral("'%1' is not a valid integer value for field '%2'").arg(value.toString(), d->fields.at(i).name));
    d->pending[i] = stored;
}

void Table::post()
{
    d->requireOpen();
    if (!d->appending)
        fail(QStringLiteral("Table %1 is not in edit or insert mode").arg(d->name));
    for (int i = 0; i < d->fields.size(); ++i) {
        if (d->fields.at(i).required && d->pending.at(i).isNull())
            fail(QStringLiteral("Field '%1' must have a value").arg(d->fields.at(i).name));
    }
    QStringList columns;
    QStringList marks;
    for (const FieldDef &f : d->fields) {
        columns.append(quoted(f.name));
        marks.append(QStringLiteral("?"));
    }
    QSqlQuery insert(d->db());
    insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(quoted(d->name), columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    for (int i = 0; i < d->fields.size(); ++i) {
        const QVariant &v = d->pending.at(i);
        if (v.isNull())
            insert.addBindValue(QVariant(d->fields.at(i).type == FieldType::Integer ? QMetaType(QMetaType::Int)
                                                                                    : QMetaType(QMetaType::QString)));
        else
            insert.addBindValue(v);
    }
    if (!insert.exec()) {
        const QString text = insert.lastError().text();
        if (text.contains(QLatin1String("UNIQUE constraint failed")))
            fail(QStringLiteral("Key violation in table %1").arg(d->name));
        fail(QStringLiteral("Cannot post the record to table %1: %2").arg(d->name, text));
    }
    insert.finish();
    d->appending = false;
    d->pending.clear();
    if (d->model)
        d->model->select();
}

void Table::cancel()
{
    d->appending = false;
    d->pending.clear();
}

bool Table::isAppending() const { return d->appending; }

int Table::recordCount() const
{
    d->requireOpen();
    QSqlQuery count = d->exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(quoted(d->name)));
    return count.next() ? count.value(0).toInt() : 0;
}

QList<QVariantList> Table::records() const
{
    d->requireOpen();
    QString sql = QStringLiteral("SELECT * FROM %1").arg(quoted(d->name));
    if (d->index && !d->index->fields.isEmpty()) {
        QStringList keys;
        for (const QString &k : d->index->fields)
            keys.append(quoted(k));
        sql += QStringLiteral(" ORDER BY ") + keys.join(QStringLiteral(", "));
    } else {
        sql += QStringLiteral(" ORDER BY rowid");
    }
    QSqlQuery query = d->exec(sql);
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row.append(query.value(i));
        rows.append(row);
    }
    return rows;
}

QSqlTableModel *Table::model()
{
    if (!d->model) {
        d->model = std::make_unique<TableModel>(d->db(), &d->fields, &d->index);
        if (d->open) {
            d->model->setTable(d->name);
            d->model->select();
        }
    }
    return d->model.get();
}

} // namespace platform
