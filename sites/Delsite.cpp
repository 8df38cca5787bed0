#include "Delsite.h"

#include "Address.h"
#include "AddressPage.h"
#include "CodePage1252.h"
#include "DialogButtons.h"
#include "DialogSeam.h"
#include "IniFile.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

bool isOwnSiteFolder(const QString &programDirectory, const QByteArray &siteName)
{
    const QString name = platform::fromCp1252(siteName);
    if (!isPlainFolderName(name))
        return false;
    const QFileInfo folder(QDir(programDirectory).filePath(name));
    // A link would lead the deletion out of the program directory.
    if (folder.isSymLink())
        return false;
    if (!folder.exists())
        return true;
    if (!folder.isDir())
        return false;
    return QFileInfo(folder.canonicalFilePath()).dir().canonicalPath()
        == QFileInfo(programDirectory).canonicalFilePath();
}

SiteFolderDeletion deleteSiteFiles(const QString &programDirectory, const QByteArray &siteName)
{
    SiteFolderDeletion result;
    result.safe = isOwnSiteFolder(programDirectory, siteName);
    if (!result.safe)
        return result;
    const QDir folder(siteFolderPath(programDirectory, siteName));
    if (!folder.exists())
        return result;
    // Plain files only, read-only ones included: no hidden or special
    // files, no links, no subfolders.
    const QFileInfoList files = folder.entryInfoList(QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QFileInfo &file : files) {
        if (QFile::remove(file.absoluteFilePath()))
            ++result.filesDeleted;
    }
    return result;
}

bool removeSiteFolder(const QString &programDirectory, const QByteArray &siteName)
{
    if (!isOwnSiteFolder(programDirectory, siteName))
        return false;
    return QDir(programDirectory).rmdir(platform::fromCp1252(siteName));
}

TdlgDelete::TdlgDelete(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgDelete"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto *layout = new QVBoxLayout(this);
    m_question = new QLabel(this);
    layout->addWidget(m_question);
    addOkCancelRow(this, layout, OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, &TdlgDelete::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    retranslateUi();
}

void TdlgDelete::retranslateUi()
{
    setWindowTitle(tr("Delete site information:"));
    m_question->setText(tr("Are you sure?"));
    OKBtn->setText(tr("&OK"));
    CancelBtn->setText(tr("&Cancel"));
}

void TdlgDelete::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TdlgDelete::OKBtnClick()
{
    try {
        deleteSelectedSite();
    } catch (const std::exception &e) {
        // Any other error ends the deletion, shown as the program's default
        // error handler shows it.
        platform::showMessage(this, platform::MessageType::Error, QString::fromLocal8Bit(e.what()));
    }
    accept();
}

void TdlgDelete::deleteSelectedSite()
{
    using platform::showMessage;
    QWidget *parent = this;
    const int answer = showMessage(parent, platform::MessageType::Information,
                                   tr("This site contains historical data") + QStringLiteral(". ")
                                       + tr("Are you sure you want to delete ") + QStringLiteral("?"),
                                   platform::ButtonYes | platform::ButtonNo);
    if (answer != platform::ButtonYes || !m_page)
        return;
    QListWidgetItem *selected = m_page->ListBoxAddresses->currentItem();
    if (!selected || !selected->isSelected())
        return;

    const QString programDirectory = m_page->programDirectory();
    const SiteRecord site = ReadSiteRecord(programDirectory, platform::toCp1252(selected->text()));

    // No file of the folder may be held open.
    if (m_resetDataViews)
        m_resetDataViews();

    deleteSiteFiles(programDirectory, site.SiteName);

    try {
        platform::IniFile book(addressBookPath(programDirectory));
        book.eraseSection(platform::toCp1252(m_page->EditAddInfo->text()));
    } catch (const platform::IniError &e) {
        showMessage(parent, platform::MessageType::Information,
                    tr("Exception: ") + QString::fromLocal8Bit(e.what()), platform::ButtonOk | platform::ButtonRetry);
    }
    m_page->returnToBrowsing();

    if (!removeSiteFolder(programDirectory, site.SiteName))
        showMessage(parent, platform::MessageType::Information,
                    tr("It was not possible to locate and delete the linked folder"));
}
