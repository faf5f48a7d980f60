// The pictures: their files' exact sizes and formats, and the copies built
// into the program.
#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray assetFile(const char *name)
{
    QFile file(QStringLiteral(TERVALO_SOURCE_DIR "/assets/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint16 word(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 dword(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace

class AssetsTest : public QObject {
    Q_OBJECT

private slots:
    void backgroundIsAn8BitUncompressedBitmap()
    {
        const QByteArray bmp = assetFile("background.bmp");
        QCOMPARE(bmp.size(), 359458);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(dword(bmp, 2), 359458u); // file size
        QCOMPARE(dword(bmp, 10), 1078u);  // pixels after 14 + 40 + 256 * 4 bytes
        QCOMPARE(dword(bmp, 14), 40u);    // BITMAPINFOHEADER
        QCOMPARE(qint32(dword(bmp, 18)), 722);
        QCOMPARE(qint32(dword(bmp, 22)), 495);
        QCOMPARE(word(bmp, 28), quint16(8));
        QCOMPARE(dword(bmp, 30), 0u); // uncompressed
        QVERIFY(dword(bmp, 46) == 256u || dword(bmp, 46) == 0u);

        const QImage built(":/assets/background.bmp");
        QCOMPARE(built.size(), QSize(722, 495));
        QCOMPARE(built.format(), QImage::Format_Indexed8);
        QCOMPARE(built.colorCount(), 256);
    }

    void iconsAreOne32By32ImageIn16Colours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("program icon") << "tervalo.ico";
        QTest::newRow("smiling face") << "smile.ico";
        QTest::newRow("sad face") << "sad.ico";
    }

    void iconsAreOne32By32ImageIn16Colours()
    {
        QFETCH(QString, name);
        const QByteArray ico = assetFile(qPrintable(name));
        QCOMPARE(ico.size(), 766);
        QCOMPARE(word(ico, 0), quint16(0));
        QCOMPARE(word(ico, 2), quint16(1)); // an icon
        QCOMPARE(word(ico, 4), quint16(1)); // one image
        QCOMPARE(quint8(ico[6]), quint8(32));
        QCOMPARE(quint8(ico[7]), quint8(32));
        QCOMPARE(quint8(ico[8]), quint8(16));
        QCOMPARE(word(ico, 12), quint16(4)); // bits per pixel
        QCOMPARE(dword(ico, 14), 744u);
        QCOMPARE(dword(ico, 18), 22u);
        QCOMPARE(dword(ico, 22), 40u); // BITMAPINFOHEADER
        QCOMPARE(qint32(dword(ico, 26)), 32);
        QCOMPARE(qint32(dword(ico, 30)), 64); // colour and mask bitmaps
        QCOMPARE(word(ico, 36), quint16(4));

        const QImage built(":/assets/" + name);
        QCOMPARE(built.size(), QSize(32, 32));
    }

    void facesAreRoundWithTransparentCorners()
    {
        const QImage smile = QImage(":/assets/smile.ico").convertToFormat(QImage::Format_ARGB32);
        const QImage sad = QImage(":/assets/sad.ico").convertToFormat(QImage::Format_ARGB32);
        for (const QImage &face : {smile, sad}) {
            for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
                QCOMPARE(qAlpha(face.pixel(corner)), 0);
            QCOMPARE(qAlpha(face.pixel(16, 16)), 255);
        }
        QVERIFY(smile != sad);
    }
};

QTEST_MAIN(AssetsTest)
#include "AssetsTest.moc"
