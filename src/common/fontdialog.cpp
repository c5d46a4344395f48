#include "common/fontdialog.h"

#include "common/uifont.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QPushButton>

#include <cstdlib>
#include <limits>

namespace klangtruhe {

namespace {

bool namesAWidth(const QString &style)
{
    for (const char *word : {"Condensed", "Expanded", "Narrow", "Wide", "Compressed"}) {
        if (style.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

QString matchingStyleName(const QFont &font)
{
    const QString family = font.family();
    QString best;
    long long bestScore = std::numeric_limits<long long>::max();
    for (const QString &style : QFontDatabase::styles(family)) {
        long long score = std::abs(QFontDatabase::weight(family, style) - font.weight());
        if (QFontDatabase::italic(family, style) != font.italic())
            score += 100'000;
        if (namesAWidth(style))
            score += 10'000;
        score = score * 100 + style.size(); // "Book" before "Book Text"
        if (score < bestScore) {
            bestScore = score;
            best = style;
        }
    }
    return best;
}

std::unique_ptr<QFontDialog> makeFontDialog(const QFont &start, QWidget *parent, const QString &title,
                                            std::function<void()> help)
{
    QFont preselected = start;
    // The dialog would otherwise mark a family this system does not have.
    const QString family = usableFontFamily(start.family());
    if (family != start.family()) {
        preselected.setFamilies({family});
        preselected.setStyleName(QString());
    }
    if (preselected.styleName().isEmpty())
        preselected.setStyleName(matchingStyleName(preselected));
    auto dialog = std::make_unique<QFontDialog>(parent);
    dialog->setOption(QFontDialog::DontUseNativeDialog);
    dialog->setCurrentFont(preselected);
    dialog->setWindowTitle(title);
    if (help) {
        if (auto *buttons = dialog->findChild<QDialogButtonBox *>()) {
            QPushButton *button = buttons->addButton(QDialogButtonBox::Help);
            button->setText(QStringLiteral("&Hilfe"));
            button->setObjectName(QStringLiteral("cmdHilfe"));
            QObject::connect(buttons, &QDialogButtonBox::helpRequested, dialog.get(), std::move(help));
        }
    }
    return dialog;
}

} // namespace klangtruhe
