#pragma once

#include <QString>
#include <QStringList>

namespace klangtruhe {

// The tips of "Tipps und Tricks" without the window: one tip per line of the
// tips file, empty lines included, stepped through in file order.
class TipList {
public:
    // Reads the file (Windows-1252, any line ending) and shows the first tip.
    // False when the name is empty or no such file exists; the list stays empty.
    bool LoadTips(const QString &file);
    // Fills the list from text already read, then shows the first tip.
    void setTips(const QStringList &tips);

    // Advances to the next tip, back to tip 1 after the last one.
    void DoNextTip();

    int count() const { return int(m_tips.size()); }
    // 0 before the first tip, then 1 .. count().
    int currentNumber() const { return m_current; }
    // Whether there is a tip to show (an empty file shows none).
    bool hasTip() const { return m_current >= 1 && m_current <= count(); }
    QString currentTip() const;

private:
    QStringList m_tips;
    int m_current = 0;
};

// Shown in place of a tip when the tips file is missing.
QString missingTipsMessage(const QString &fileName);

// A line longer than this is cut: a binary or damaged file must not turn a
// single "tip" into megabytes of label text.
inline constexpr int MaxTipLength = 2000;

} // namespace klangtruhe
