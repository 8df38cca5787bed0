#include "Localisation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace platform {

namespace {

struct State
{
    QByteArray code;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

State &state()
{
    static State s;
    return s;
}

void remove(std::unique_ptr<QTranslator> &translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

} // namespace

bool setLanguage(const QByteArray &code)
{
    State &s = state();
    s.code = code;
    remove(s.program);
    remove(s.qt);

    const QString lower = QString::fromLatin1(code).trimmed().toLower();
    // Only letters make a file name: a code cannot point outside the folders.
    if (lower.isEmpty() || !std::all_of(lower.cbegin(), lower.cend(), [](QChar c) { return c >= u'a' && c <= u'z'; }))
        return false;

    const QString file = QStringLiteral("velmora_") + lower;
    const QStringList folders{
        QStringLiteral(":/translations"),
        QDir::currentPath() + QStringLiteral("/translations"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
    };
    auto translator = std::make_unique<QTranslator>();
    bool found = false;
    for (const QString &folder : folders) {
        if (translator->load(file, folder)) {
            found = true;
            break;
        }
    }
    if (!found)
        return false;
    QCoreApplication::installTranslator(translator.get());
    s.program = std::move(translator);

    // Qt's own texts (standard buttons, dialogs) in the same language, where
    // the system has them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + lower, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        s.qt = std::move(qt);
    }
    return true;
}

QByteArray languageCode()
{
    return state().code;
}

} // namespace platform
