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
    // A tool button whose icon is missing would stand empty.
    for (int index : {2, 3, 5, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20})
        EXPECT_TRUE(names.contains(toolButtonIconName(index))) << index;
}
