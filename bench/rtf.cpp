// Reading and writing the RTF of one entry's song list (about 1 KB), as the
// main window does on every entry change.
#include "texts/rtfreader.h"
#include "texts/rtfwriter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString songList()
{
    QString rtf = QStringLiteral(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1031{\\fonttbl{\\f0\\fnil\\fcharset0 Segoe UI;}"
        "{\\f1\\fnil\\fcharset2 Symbol;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1 \r\n"
        "\\pard\\qc\\f0\\fs24\\b\\cf1 Die \\'c4rzte - Ger\\'e4usch\\b0\\cf0\\par\r\n");
    const char *const titles[] = {"Unrockbar", "Deine Schuld", "Nichts in der Welt", "Dinge von denen",
                                  "Kopfzerbrechen", "Die klugen Jungs", "Anneliese Schmidt", "Besserwisser"};
    for (int i = 0; i < 6; ++i) {
        rtf += QStringLiteral("\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}"
                              "\\fi-360\\li720\\fs20 %1. %2 \\i (M\\'fcller)\\i0\\par\r\n")
                   .arg(i + 1)
                   .arg(QLatin1String(titles[i % 8]));
    }
    return rtf + QStringLiteral("}\r\n");
}

double medianMicroseconds(std::vector<qint64> &nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    return nanoseconds[nanoseconds.size() / 2] / 1000.0;
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString rtf = songList();
    constexpr int runs = 2000;
    std::vector<qint64> reads;
    std::vector<qint64> writes;
    QTextDocument document;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        klangtruhe::readRtf(rtf, document);
        reads.push_back(timer.nsecsElapsed());
        timer.start();
        const QString written = klangtruhe::writeRtf(document);
        writes.push_back(timer.nsecsElapsed());
        if (written.isEmpty())
            return 1;
    }
    std::printf("rtf_input_size: %lld bytes\n", static_cast<long long>(rtf.size()));
    std::printf("rtf_read_1kb: %.1f us\n", medianMicroseconds(reads));
    std::printf("rtf_write_1kb: %.1f us\n", medianMicroseconds(writes));
    return 0;
}
