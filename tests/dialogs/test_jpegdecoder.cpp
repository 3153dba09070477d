// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder refuses a header's size before it allocates for it.
#include "dialogs/jpegdecoder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray Seed(const char *name)
{
    QFile file(QStringLiteral(HELIODIAL_JPEG_SEEDS "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The 16 x 16 baseline seed with its frame header stating another size; the
// data then ends early, which libjpeg fills in grey with a warning.
QByteArray WithSize(int width, int height)
{
    QByteArray jpeg = Seed("small.jpg");
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    if (frame < 0)
        return {};
    // Marker, length (2), precision (1), height (2), width (2).
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xFF);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xFF);
    return jpeg;
}

// Kilobytes of the process's data segment and private mappings.
long DataKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmData:"))
            return line.mid(7).trimmed().split(' ').first().toLong();
    return -1;
}

// Decodes `jpeg` in a child process that may allocate no more than
// `megabytes` beyond what it starts with, and gives the child's error, or
// "decoded".
QString ErrorWithin(const QByteArray &jpeg, long megabytes)
{
    const long base = DataKilobytes();
    int channel[2];
    if (base < 0 || pipe(channel) != 0)
        return QStringLiteral("no child");
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(base + megabytes * 1024) * 1024;
        setrlimit(RLIMIT_DATA, &limit);
        const DecodedJpeg decoded = DecodeJpeg(jpeg);
        const QByteArray said = decoded.image.isNull() ? decoded.error.toUtf8() : "decoded";
        const bool written =
            write(channel[1], said.constData(), size_t(said.size())) == said.size();
        _exit(written ? 0 : 1);
    }
    close(channel[1]);
    QByteArray said;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, n);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? QString::fromUtf8(said)
                                                         : QStringLiteral("the child failed");
}

} // namespace

class TestJpegDecoder : public QObject {
    Q_OBJECT

private slots:
    void headerSizesAreBounded_data()
    {
        QTest::addColumn<QByteArray>("jpeg");
        QTest::addColumn<QSize>("size"); // decoded, or empty when refused
        QTest::addColumn<QString>("error");

        const QString tooLarge = QStringLiteral("The picture is too large (%1).");
        // Found by the fuzzer: a 460-byte file asking for 7.9 GB.
        QTest::newRow("fuzzer's finding")
            << Seed("header-61408x43014") << QSize()
            << tooLarge.arg(QStringLiteral("61,408 \u00d7 43,014 pixels"));
        QTest::newRow("a side over") << WithSize(8193, 16) << QSize()
                                     << tooLarge.arg(QStringLiteral("8,193 \u00d7 16 pixels"));
        QTest::newRow("the other side over")
            << WithSize(16, 8193) << QSize()
            << tooLarge.arg(QStringLiteral("16 \u00d7 8,193 pixels"));
        QTest::newRow("the area over") << WithSize(8000, 5001) << QSize()
                                       << tooLarge.arg(QStringLiteral("8,000 \u00d7 5,001 pixels"));
        QTest::newRow("the largest side, the largest area")
            << WithSize(8000, 5000) << QSize(8000, 5000) << QString();
        QTest::newRow("the largest side") << WithSize(8192, 16) << QSize(8192, 16) << QString();
        QTest::newRow("no width") << WithSize(0, 16) << QSize()
                                  << QStringLiteral(
                                         "The picture has no pixels (0 \u00d7 16 pixels).");
        QTest::newRow("no height")
            << WithSize(16, 0) << QSize()
            << QStringLiteral("The picture has no pixels (16 \u00d7 0 pixels).");
    }

    void headerSizesAreBounded()
    {
        QFETCH(QByteArray, jpeg);
        QFETCH(QSize, size);
        QFETCH(QString, error);
        QVERIFY(!jpeg.isEmpty());

        QElapsedTimer clock;
        clock.start();
        const DecodedJpeg decoded = DecodeJpeg(jpeg);
        const qint64 elapsed = clock.elapsed();
        QCOMPARE(decoded.error, error);
        QCOMPARE(decoded.image.isNull() ? QSize() : decoded.image.size(), size);
        if (!size.isEmpty()) {
            // The data ran out: the rest is libjpeg's grey, and it says so.
            QVERIFY(!decoded.warning.isEmpty());
            QCOMPARE(decoded.image.pixelColor(size.width() - 1, size.height() - 1),
                     QColor(128, 128, 128));
        }
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
        QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
        // A refused picture is refused before anything grows with its size.
        if (size.isEmpty())
            QCOMPARE(ErrorWithin(jpeg, 10), error);
#else
        Q_UNUSED(elapsed);
#endif
    }

    void theLimitIsWhatIsChecked()
    {
        // The child's ceiling is real: a picture that is allowed, and so
        // allocated, does not fit under it.
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
        QCOMPARE(ErrorWithin(WithSize(4000, 4000), 100), QStringLiteral("decoded"));
        QCOMPARE(ErrorWithin(WithSize(4000, 4000), 10),
                 QStringLiteral("The picture is too large or not in colour."));
#else
        QSKIP("the sanitizers' allocators map memory of their own");
#endif
    }
};

QTEST_GUILESS_MAIN(TestJpegDecoder)
#include "test_jpegdecoder.moc"
