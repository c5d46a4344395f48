#include "app/icons.h"

#include <QFile>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(Icons, EveryIconIsAValidSquareSvgThatRenders)
{
    const QStringList names = klangtruheIconNames();
    ASSERT_GE(names.size(), 31);
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile file(QStringLiteral(":/icons/") + name + QStringLiteral(".svg"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QXmlStreamReader xml(svg);
        while (!xml.atEnd())
            xml.readNext();
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        QSvgRenderer renderer(svg);
        EXPECT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 24, 24));
        const QIcon icon = klangtruheIcon(name);
        EXPECT_FALSE(icon.pixmap(QSize(32, 32)).isNull());
    }
    EXPECT_TRUE(klangtruheIcon(QStringLiteral("gibtsnicht")).isNull());
}

TEST(Icons, ToolButtonsAndPlayerPicturesHaveTheirIcons)
{
    const QStringList names = klangtruheIconNames();
    for (int index : {2, 3, 5, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20})
        EXPECT_TRUE(names.contains(toolButtonIconName(index))) << index;
    for (int index : {0, 1, 4, 6, 7, 8, 15, 21})
        EXPECT_TRUE(toolButtonIconName(index).isEmpty()) << index;
    for (const char *name : {"play", "stop", "pause", "pause-aktiv", "weiter", "zurueck", "vor", "zufall", "ab-0",
                             "ab-1", "ab-2", "miniplayer", "lautsprecher", "stern-gold", "stern-grau", "info",
                             "klangtruhe-player", "tipp"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;
}
