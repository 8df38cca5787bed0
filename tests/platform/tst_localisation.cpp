// Language selection by two-letter code.

#include "Localisation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestLocalisation : public QObject
{
    Q_OBJECT

private slots:
    void codeInForce_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("warning"); // QMessageBox "Warning" in that language

        QTest::newRow("German") << QByteArray("DE") << true << QString("Warnung");
        QTest::newRow("German in lower case") << QByteArray("de") << true << QString("Warnung");
        QTest::newRow("code without translation") << QByteArray("ZA") << false << QString("Warning");
        QTest::newRow("English source texts") << QByteArray("EN") << false << QString("Warning");
        QTest::newRow("empty") << QByteArray("") << false << QString("Warning");
        QTest::newRow("path characters") << QByteArray("../de") << false << QString("Warning");
    }

    void codeInForce()
    {
        QFETCH(QByteArray, code);
        QFETCH(bool, found);
        QFETCH(QString, warning);

        // Start from another language each time, so a left-over translator shows.
        platform::setLanguage("DE");
        QCOMPARE(platform::setLanguage(code), found);
        QCOMPARE(platform::languageCode(), code);
        QCOMPARE(QCoreApplication::translate("QMessageBox", "Warning"), warning);
    }

    void translationInProgramDirectory()
    {
        // A translation shipped beside the program, found through the
        // program directory (the current directory). The resource holds no
        // "xx" translation, so the file must come from the folder.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath("translations"));
        QVERIFY(QFile::copy(":/translations/velmora_de.qm", dir.path() + "/translations/velmora_xx.qm"));
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const bool found = platform::setLanguage("XX");
        QDir::setCurrent(before);
        QVERIFY(found);
        QCOMPARE(platform::languageCode(), QByteArray("XX"));
        QCOMPARE(QCoreApplication::translate("QMessageBox", "Error"), QString("Fehler"));
        platform::setLanguage("EN");
        QCOMPARE(QCoreApplication::translate("QMessageBox", "Error"), QString("Error"));
    }
};

QTEST_GUILESS_MAIN(TestLocalisation)
#include "tst_localisation.moc"
