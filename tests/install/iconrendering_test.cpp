// SPDX-License-Identifier: MIT
// The icon files of svg2bmp, run as the build runs it on pictures made up in
// a scratch folder.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

namespace {

const QByteArray Parts = R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
  <defs><circle id="dot" cx="5" cy="5" r="4" fill="#c01030"/></defs>
</svg>)";

// A red dot in the middle of a transparent square, borrowed from parts.svg.
const QByteArray Icon = R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
     width="10" height="10" viewBox="0 0 10 10">
  <use xlink:href="parts.svg#dot"/>
</svg>)";

class IconRendering : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_scratch.isValid());
        ASSERT_TRUE(m_assets.mkpath(m_assets.path()));
        write(m_assets.filePath(QStringLiteral("parts.svg")), Parts);
        write(m_assets.filePath(QStringLiteral("icon.svg")), Icon);
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // The tool's exit status, its error output in *errors.
    int run(const QStringList &arguments, QString *errors = nullptr)
    {
        QProcess tool;
        tool.start(QStringLiteral(VELMORA_SVG2BMP), arguments);
        EXPECT_TRUE(tool.waitForFinished(30000));
        if (errors)
            *errors = QString::fromLocal8Bit(tool.readAllStandardError());
        return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    }

    QString out(const QString &name) const { return m_scratch.filePath(name); }

    QTemporaryDir m_scratch;
    QDir m_assets{m_scratch.filePath(QStringLiteral("assets"))};
    QString m_icon = m_assets.filePath(QStringLiteral("icon.svg"));
};

class IconSize : public IconRendering, public testing::WithParamInterface<int>
{
};

TEST_P(IconSize, RendersASquarePngOfTheAskedSizeOnTransparency)
{
    const int side = GetParam();
    ASSERT_EQ(run({m_assets.path(), m_icon, out(QStringLiteral("icon.png")), QStringLiteral("%1x%1").arg(side)}), 0);

    const QImage png(out(QStringLiteral("icon.png")), "png");
    ASSERT_EQ(png.size(), QSize(side, side));
    EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);
    const QRgb middle = png.pixel(side / 2, side / 2);
    EXPECT_EQ(qAlpha(middle), 255);
    EXPECT_EQ(qRed(middle), 0xc0);
}

INSTANTIATE_TEST_SUITE_P(, IconSize, testing::Values(16, 48, 256));

TEST_F(IconRendering, WritesTheSameScalableIconOnEveryRunAndItBorrowsNothing)
{
    ASSERT_EQ(run({m_assets.path(), m_icon, out(QStringLiteral("icon.svg"))}), 0);
    ASSERT_EQ(run({m_assets.path(), m_icon, out(QStringLiteral("again.svg"))}), 0);

    QFile svg(out(QStringLiteral("icon.svg")));
    QFile again(out(QStringLiteral("again.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly) && again.open(QIODevice::ReadOnly));
    const QByteArray written = svg.readAll();
    EXPECT_EQ(written, again.readAll());
    EXPECT_FALSE(written.contains("parts.svg"));
    EXPECT_TRUE(written.contains("id=\"dot\""));
}

struct Refusal
{
    const char *what;
    const char *output;
    QStringList rest;
};

void PrintTo(const Refusal &refusal, std::ostream *os)
{
    *os << refusal.what;
}

class IconRefusal : public IconRendering, public testing::WithParamInterface<Refusal>
{
};

// Every refusal says why and leaves what was there before untouched.
TEST_P(IconRefusal, RefusesAndKeepsTheOldOutput)
{
    const QString output = out(QString::fromLatin1(GetParam().output));
    write(output, "old");

    QString errors;
    EXPECT_EQ(run(QStringList{m_assets.path(), m_icon, output} + GetParam().rest, &errors), 1);
    EXPECT_TRUE(errors.startsWith(QLatin1String("svg2bmp: "))) << errors.toStdString();
    QFile kept(output);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("old"));
}

INSTANTIATE_TEST_SUITE_P(, IconRefusal,
    testing::Values(Refusal{"a size of zero", "icon.png", {QStringLiteral("0x0")}},
                    Refusal{"a size with a unit", "icon.png", {QStringLiteral("48px")}},
                    Refusal{"a size beyond any screen", "icon.png", {QStringLiteral("99999x99999")}},
                    Refusal{"a PNG without a size", "icon.png", {}},
                    Refusal{"an SVG with a size", "icon.svg", {QStringLiteral("48x48")}},
                    Refusal{"an output of another kind", "icon.jpg", {QStringLiteral("48x48")}}));

TEST_F(IconRendering, RefusesAPictureBorrowingFromOutsideTheAssetsFolder)
{
    write(m_scratch.filePath(QStringLiteral("secret.svg")), Parts);
    write(m_icon, QByteArray(Icon).replace("parts.svg", "../secret.svg"));

    QString errors;
    EXPECT_EQ(run({m_assets.path(), m_icon, out(QStringLiteral("icon.png")), QStringLiteral("48x48")}, &errors), 1);
    EXPECT_TRUE(errors.contains(QLatin1String("outside"))) << errors.toStdString();
    EXPECT_FALSE(QFile::exists(out(QStringLiteral("icon.png"))));
}

} // namespace
