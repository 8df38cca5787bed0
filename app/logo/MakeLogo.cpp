// Draws the program's logo picture, Logo.BMP: a flame in a red shield and the
// program name. Usage: velmora_makelogo OUTPUT.BMP
// (runs with QT_QPA_PLATFORM=offscreen)

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: velmora_makelogo OUTPUT.BMP\n", stderr);
        return 2;
    }

    QImage image(440, 160, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Shield
    QPainterPath shield;
    shield.moveTo(30, 20);
    shield.lineTo(130, 20);
    shield.lineTo(130, 80);
    shield.quadTo(130, 125, 80, 145);
    shield.quadTo(30, 125, 30, 80);
    shield.closeSubpath();
    QLinearGradient red(0, 20, 0, 145);
    red.setColorAt(0, QColor(214, 30, 30));
    red.setColorAt(1, QColor(150, 10, 10));
    p.setPen(QPen(QColor(90, 0, 0), 3));
    p.setBrush(red);
    p.drawPath(shield);

    // Flame
    QPainterPath flame;
    flame.moveTo(80, 128);
    flame.cubicTo(52, 120, 50, 92, 66, 72);
    flame.cubicTo(68, 84, 74, 88, 78, 88);
    flame.cubicTo(72, 66, 82, 46, 96, 36);
    flame.cubicTo(94, 56, 112, 70, 110, 96);
    flame.cubicTo(108, 116, 96, 126, 80, 128);
    QLinearGradient fire(0, 36, 0, 128);
    fire.setColorAt(0, QColor(255, 240, 120));
    fire.setColorAt(1, QColor(255, 150, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(fire);
    p.drawPath(flame);

    // Name and line
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(46);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(title);
    p.setPen(QColor(150, 10, 10));
    p.drawText(QRect(150, 30, 280, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TARVELIN"));
    p.fillRect(QRect(152, 92, 270, 3), QColor(60, 60, 60));
    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(15);
    p.setFont(sub);
    p.setPen(QColor(60, 60, 60));
    p.drawText(QRect(152, 100, 280, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Fire-alarm panel maintenance"));
    p.drawText(QRect(152, 120, 280, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("and remote supervision"));
    p.end();

    if (!image.save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "velmora_makelogo: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
