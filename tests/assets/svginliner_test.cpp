// SPDX-License-Identifier: MIT
// Inlining of borrowed parts, and the refusals that keep every read inside
// the assets folder.
#include "svginliner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

namespace {

const QByteArray Parts = R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink">
  <defs>
    <linearGradient id="skin"><stop offset="0" stop-color="#fff"/></linearGradient>
    <circle id="eye" r="3" fill="#000"/>
    <g id="face"><circle r="20" fill="url(#skin)"/><use xlink:href="#eye" x="5"/></g>
    <g id="loop"><use xlink:href="#loop"/></g>
  </defs>
</svg>)svg";

QByteArray picture(const QByteArray &body)
{
    return R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="10" height="10">)svg"
           + body + "</svg>";
}

class SvgInlinerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        ASSERT_TRUE(QDir(m_root.path()).mkpath("assets/sub"));
        write("assets/parts.svg", Parts);
        write("outside.svg", Parts);
    }

    void write(const QString &relativePath, const QByteArray &text)
    {
        QFile file(m_root.filePath(relativePath));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // Inlines assets/picture.svg holding body; the inliner's verdict.
    bool inlinePicture(const QByteArray &body)
    {
        write("assets/picture.svg", picture(body));
        return m_inliner.inlineFile(m_root.filePath("assets/picture.svg"));
    }

    QTemporaryDir m_root;
    SvgInliner m_inliner{m_root.filePath("assets")};
};

TEST_F(SvgInlinerTest, CopiesABorrowedPartWithEverythingItReferences)
{
    ASSERT_TRUE(inlinePicture(R"svg(<use xlink:href="parts.svg#face"/>)svg")) << m_inliner.errorString().toStdString();
    const QByteArray document = m_inliner.document();
    EXPECT_TRUE(document.contains(R"svg(xlink:href="#face")svg"));
    EXPECT_TRUE(document.contains(R"svg(id="face")svg"));
    EXPECT_TRUE(document.contains(R"svg(id="skin")svg"));
    EXPECT_TRUE(document.contains(R"svg(id="eye")svg"));
    EXPECT_FALSE(document.contains("parts.svg"));
}

TEST_F(SvgInlinerTest, CopiesAPartOnceHoweverOftenItIsUsed)
{
    ASSERT_TRUE(inlinePicture(R"svg(<use xlink:href="parts.svg#eye"/><use xlink:href="parts.svg#eye" x="4"/>)svg"));
    EXPECT_EQ(m_inliner.document().count(R"svg(id="eye")svg"), 1);
}

TEST_F(SvgInlinerTest, FindsPartsRelativeToTheReferringFile)
{
    write("assets/sub/picture.svg", picture(R"svg(<use xlink:href="../parts.svg#eye"/>)svg"));
    EXPECT_TRUE(m_inliner.inlineFile(m_root.filePath("assets/sub/picture.svg"))) << m_inliner.errorString().toStdString();
}

TEST_F(SvgInlinerTest, LeavesAPictureWithoutBorrowedPartsAsItIs)
{
    ASSERT_TRUE(inlinePicture(R"svg(<rect width="10" height="10" fill="#123456"/>)svg"));
    EXPECT_TRUE(m_inliner.document().contains("#123456"));
}

struct Refusal
{
    const char *what;
    QByteArray body;
    const char *reason;
};

void PrintTo(const Refusal &refusal, std::ostream *os)
{
    *os << refusal.what;
}

class SvgInlinerRefusal : public SvgInlinerTest, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(SvgInlinerRefusal, RefusesWithAReasonAndNoDocument)
{
    EXPECT_FALSE(inlinePicture(GetParam().body));
    EXPECT_TRUE(m_inliner.errorString().contains(QLatin1String(GetParam().reason)))
        << m_inliner.errorString().toStdString();
    EXPECT_TRUE(m_inliner.document().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    BadSources, SvgInlinerRefusal,
    ::testing::Values(
        Refusal{"parent_folder", R"svg(<use xlink:href="../outside.svg#eye"/>)svg", "outside the assets folder"},
        Refusal{"absolute_path", R"svg(<use xlink:href="/etc/hostname#eye"/>)svg", "outside the assets folder"},
        Refusal{"web_address", R"svg(<use xlink:href="http://example.org/p.svg#eye"/>)svg", "not a file"},
        Refusal{"missing_file", R"svg(<use xlink:href="nothing.svg#eye"/>)svg", "cannot find"},
        Refusal{"missing_id", R"svg(<use xlink:href="parts.svg#nose"/>)svg", "no element with the id"},
        Refusal{"no_id", R"svg(<use xlink:href="parts.svg"/>)svg", "names no element"},
        Refusal{"external_image", R"svg(<image xlink:href="parts.svg" width="5" height="5"/>)svg", "only <use>"},
        Refusal{"external_paint", R"svg(<rect width="5" height="5" fill="url(parts.svg#skin)"/>)svg", "same file"},
        Refusal{"style_import", R"svg(<style>@import url("#x");</style>)svg", "@import"},
        Refusal{"id_clash", R"svg(<circle id="eye" r="1"/><use xlink:href="parts.svg#face"/>)svg", "defined both"},
        Refusal{"use_cycle", R"svg(<use xlink:href="parts.svg#loop"/>)svg", "shows itself"},
        Refusal{"local_cycle", R"svg(<g id="a"><use xlink:href="#a"/></g>)svg", "shows itself"}),
    [](const auto &info) { return std::string(info.param.what); });

TEST_F(SvgInlinerTest, RefusesADocumentType)
{
    write("assets/picture.svg", "<!DOCTYPE svg [<!ENTITY x SYSTEM \"/etc/passwd\">]>" + picture("&x;"));
    EXPECT_FALSE(m_inliner.inlineFile(m_root.filePath("assets/picture.svg")));
    EXPECT_TRUE(m_inliner.errorString().contains("DOCTYPE"));
}

TEST_F(SvgInlinerTest, RefusesASymbolicLinkThatLeadsOutside)
{
    ASSERT_TRUE(QFile::link(m_root.filePath("outside.svg"), m_root.filePath("assets/link.svg")));
    EXPECT_FALSE(inlinePicture(R"svg(<use xlink:href="link.svg#eye"/>)svg"));
    EXPECT_TRUE(m_inliner.errorString().contains("leads outside")) << m_inliner.errorString().toStdString();
}

TEST_F(SvgInlinerTest, ReportsWhereABrokenSourceFails)
{
    write("assets/picture.svg", "<svg><rect></svg>");
    EXPECT_FALSE(m_inliner.inlineFile(m_root.filePath("assets/picture.svg")));
    EXPECT_TRUE(m_inliner.errorString().contains("picture.svg:1:")) << m_inliner.errorString().toStdString();
}

TEST(SvgInlinerFolder, RefusesEverythingWhenTheFolderDoesNotExist)
{
    SvgInliner inliner(QStringLiteral("/nonexistent/velmora/assets"));
    EXPECT_FALSE(inliner.inlineFile(QStringLiteral("/nonexistent/velmora/assets/0.svg")));
    EXPECT_TRUE(inliner.errorString().contains("does not exist"));
}

} // namespace
