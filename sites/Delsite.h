#pragma once
// The site delete dialog, opened from the Address page: confirms, asks once
// more, and removes the site: the plain files of its folder, its section of
// "address.ini" and the folder itself.
//
// Only a folder that the site's directory name names directly inside the
// program directory is touched: a name that is empty, "." or "..", holds a
// path separator, or leads elsewhere through a symbolic link deletes no file
// and removes no folder. Hidden files, special files, links and subfolders
// of the folder stay, and so does the folder then.

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <functional>

class AddressPage;
class QPushButton;

// The site folder's side of a deletion, free of widgets.
struct SiteFolderDeletion
{
    bool safe = false;          // the name names a folder of the program directory
    int filesDeleted = 0;
    bool folderRemoved = false;
};
// Whether the site directory name names a folder directly inside the program
// directory (the folder itself need not exist).
bool isOwnSiteFolder(const QString &programDirectory, const QByteArray &siteName);
// Deletes the plain files of the site folder (a file that cannot be deleted
// is passed over); nothing for an unsafe name.
SiteFolderDeletion deleteSiteFiles(const QString &programDirectory, const QByteArray &siteName);
// Removes the emptied site folder; false when it is not empty, not found or
// not the site's own folder.
bool removeSiteFolder(const QString &programDirectory, const QByteArray &siteName);

class TdlgDelete : public QDialog
{
    Q_OBJECT

public:
    explicit TdlgDelete(QWidget *parent = nullptr);

    // The Address page whose selected site is deleted, and the session's
    // ResetDataViews (it closes the site panel table, so that no file of the
    // folder is held open).
    void setAddressPage(AddressPage *page) { m_page = page; }
    void setResetDataViews(std::function<void()> reset) { m_resetDataViews = std::move(reset); }

    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

public slots:
    void OKBtnClick();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void deleteSelectedSite();

    class QLabel *m_question = nullptr;
    AddressPage *m_page = nullptr;
    std::function<void()> m_resetDataViews;
};
