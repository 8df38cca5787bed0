#include "Pabout.h"

#include "TVConfig.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QDialogButtonBox>
#include <QScreen>
#include <QVBoxLayout>

TAboutForm::TAboutForm(const QString &programDirectory, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));

    auto *layout = new QVBoxLayout(this);

    Memo1 = new QLabel(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setTextFormat(Qt::PlainText);
    Memo1->setAlignment(Qt::AlignCenter);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(Memo1);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    // A missing picture leaves the box without one; the main window has
    // already reported it at start.
    QImageReader reader(tvconfig::programDirectoryFile(programDirectory, tvconfig::LogoFileName));
    const QImage image = reader.read();
    if (!image.isNull())
        Image1->setPixmap(QPixmap::fromImage(image));
    layout->addWidget(Image1, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    retranslateUi();
}

void TAboutForm::retranslateUi()
{
    setWindowTitle(tr("About"));
    Memo1->setText(aboutText());
}

void TAboutForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

QString TAboutForm::aboutText()
{
    const QStringList lines = {
        tr("TARVELIN "),
        tr("VERSION 11.02"),
        QString(),
        tr("Compatible with  "),
        tr("Host software version 4.XX, 5.XX,"),
        tr("6.XX, 7.XX, 8.XX, 11.XX."),
    };
    return lines.join(QLatin1Char('\n'));
}

void TAboutForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the screen.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
