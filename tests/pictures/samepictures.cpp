// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Compares two folders of pictures pixel by pixel: every PNG and JPEG below
// the first folder must have a twin of the same path below the second, with
// the same size and the same pixels, and the second must hold no picture the
// first lacks. Prints what differs; exits 1 when anything does.
//   heliodial_samepictures <expected-folder> <actual-folder>
#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QTextStream>

namespace {

QSet<QString> Pictures(const QDir &folder)
{
    QSet<QString> found;
    QDirIterator it(folder.path(), {QStringLiteral("*.png"), QStringLiteral("*.jpg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.insert(folder.relativeFilePath(it.next()));
    return found;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        out << "usage: heliodial_samepictures <expected-folder> <actual-folder>\n";
        return 2;
    }
    const QDir expected(args.at(1));
    const QDir actual(args.at(2));
    const QSet<QString> wanted = Pictures(expected);
    const QSet<QString> made = Pictures(actual);
    int differing = 0;
    for (const QString &name : wanted) {
        const QImage a = QImage(expected.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        const QImage b = QImage(actual.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        if (!made.contains(name)) {
            out << "missing: " << name << "\n";
            ++differing;
        } else if (a.isNull() || a != b) {
            out << "differs: " << name << "\n";
            ++differing;
        }
    }
    for (const QString &name : made - wanted) {
        out << "unexpected: " << name << "\n";
        ++differing;
    }
    out << wanted.size() << " pictures compared, " << differing << " differ\n";
    return differing == 0 && !wanted.isEmpty() ? 0 : 1;
}
