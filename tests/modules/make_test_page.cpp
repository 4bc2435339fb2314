// Draws the stand-in picture library's page and writes it as a C array of JPEG bytes:
// 1200 x 700 (larger than the picture window, so it scrolls), white, with a black
// 100 x 100 square at the top-left corner and a caption.
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QImage page(1200, 700, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.fillRect(0, 0, 100, 100, Qt::black);
    painter.setPen(QPen(Qt::darkBlue, 2));
    for (int x = 150; x < 1200; x += 150)
        painter.drawLine(x, 0, x, 700);
    QFont font = painter.font();
    font.setPixelSize(40);
    painter.setFont(font);
    painter.drawText(QRect(0, 120, 1200, 100), Qt::AlignCenter,
                     QStringLiteral("Тестовая страница библиотеки alloypix"));
    painter.end();

    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!page.save(&buffer, "JPEG", 90))
        return 1;

    QByteArray out = "const unsigned char TestPage[] = {";
    for (int i = 0; i < jpeg.size(); ++i)
        out += (i % 20 ? "" : "\n") + QByteArray::number(quint8(jpeg[i])) + ',';
    out += "\n};\nconst std::size_t TestPageSize = sizeof(TestPage);\n";
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(out);
    return 0;
}
