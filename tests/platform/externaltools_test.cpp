#include "platform/externaltools.h"

#include <QHash>
#include <gtest/gtest.h>

using namespace klangtruhe;

// Exec lines as desktop entries write them: quoting and escapes kept, field
// codes replaced by the files or dropped, the files appended where the line
// names none.
TEST(ExternalTools, DesktopEntryCommandsAreSplitWithTheirQuotingAndFieldCodes)
{
    const QStringList one{QStringLiteral("/home/anna/Klang truhe/readme.txt")};
    const QStringList two{QStringLiteral("/a b.txt"), QStringLiteral("/c.txt")};
    const struct {
        const char *exec;
        QStringList files;
        QStringList expected;
    } cases[] = {
        {"gedit %U", one, {"gedit", one.first()}},
        {"flatpak run --branch=stable org.gnome.TextEditor %U", one,
         {"flatpak", "run", "--branch=stable", "org.gnome.TextEditor", one.first()}},
        {"\"/opt/My Editor/bin/edit\" --new-window %f", two, {"/opt/My Editor/bin/edit", "--new-window", "/a b.txt"}},
        {"kate -b %F", two, {"kate", "-b", "/a b.txt", "/c.txt"}},
        {"mousepad %i %c %k", one, {"mousepad", one.first()}},
        {"xed", two, {"xed", "/a b.txt", "/c.txt"}},
        {"sh -c \"echo 100%% \\\"done\\\"\" %u", {}, {"sh", "-c", "echo 100% \"done\""}},
        {"", one, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(desktopEntryCommand(QString::fromUtf8(c.exec), c.files), c.expected) << c.exec;

    const QByteArray entry = "[Desktop Entry]\nName=Editor\nExec = \"/opt/My\\sEditor/edit\" %U\n"
                             "[Desktop Action new]\nExec=edit --new\n";
    EXPECT_EQ(desktopEntryExec(entry), QStringLiteral("\"/opt/My Editor/edit\" %U"));
    EXPECT_EQ(desktopEntryExec("[Desktop Action new]\nExec=edit --new\n"), QString());
}

// The speaker button starts the first mixer of the desktop that is
// installed, with its arguments; without one the user is told what to get.
TEST(ExternalTools, TheVolumeToolIsTheDesktopsMixer)
{
    if (windowsToolsRunHere())
        GTEST_SKIP() << "Pegling.exe is the volume tool here";
    QHash<QString, QString> path;
    const auto find = [&path](const QString &name) { return path.value(name); };

    VolumeTool tool = volumeToolFor(QStringLiteral("/tmp/"), find);
    EXPECT_TRUE(tool.command.isEmpty());
    EXPECT_TRUE(tool.missingText.contains(QStringLiteral("pavucontrol")));

    path.insert(QStringLiteral("gnome-control-center"), QStringLiteral("/usr/bin/gnome-control-center"));
    tool = volumeToolFor(QStringLiteral("/tmp/"), find);
    EXPECT_EQ(tool.command, QStringList({"/usr/bin/gnome-control-center", "sound"}));
    EXPECT_FALSE(tool.placedBesideMiniPlayer);

    path.insert(QStringLiteral("pavucontrol"), QStringLiteral("/usr/bin/pavucontrol"));
    EXPECT_EQ(volumeToolFor(QStringLiteral("/tmp/"), find).command, QStringList({"/usr/bin/pavucontrol"}));
}
