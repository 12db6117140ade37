// SPDX-License-Identifier: MIT
// The pictures as the game finds them beside its executable, and the
// renderer that puts them there.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <set>
#include <string>

namespace {

const QString BuildDir = QStringLiteral(VELMORA_BUILD_DIR);
const QString Sources = QStringLiteral(VELMORA_PICTURE_SOURCES);
const QString Renderer = QStringLiteral(VELMORA_SVG2BMP);

struct Picture
{
    const char *name;
    int width;
    int height;
};

// Twice the size on screen: the main picture is 3975 twips square (265
// pixels), the title covers the 4305 × 6570 twip window (287 × 438).
const Picture AllPictures[] = {
    {"stt.bmp", 574, 876},
    {"0.bmp", 530, 530},   {"1.bmp", 530, 530},    {"2.bmp", 530, 530},
    {"00.bmp", 530, 530},  {"01.bmp", 530, 530},   {"02.bmp", 530, 530},
    {"10.bmp", 530, 530},  {"11.bmp", 530, 530},   {"12.bmp", 530, 530},
    {"20.bmp", 530, 530},  {"21.bmp", 530, 530},   {"22.bmp", 530, 530},
    {"end0.bmp", 530, 530}, {"end02.bmp", 530, 530}, {"end1.bmp", 530, 530},
    {"end2.bmp", 530, 530}, {"end22.bmp", 530, 530}, {"end.bmp", 530, 530},
};

void PrintTo(const Picture &picture, std::ostream *os)
{
    *os << picture.name;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage builtPicture(const QString &name)
{
    return QImage(BuildDir + u'/' + name, "BMP").convertToFormat(QImage::Format_RGB32);
}

// Mean absolute difference per colour channel, 0 to 255.
double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rowB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            sum += std::abs(qRed(rowA[x]) - qRed(rowB[x])) + std::abs(qGreen(rowA[x]) - qGreen(rowB[x]))
                   + std::abs(qBlue(rowA[x]) - qBlue(rowB[x]));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

class BuiltPicture : public ::testing::TestWithParam<Picture>
{
};

TEST_P(BuiltPicture, IsBesideTheExecutableUnderItsExactName)
{
    const QString name = QString::fromLatin1(GetParam().name);
    EXPECT_TRUE(QFile::exists(BuildDir + u'/' + name)) << name.toStdString();
}

TEST_P(BuiltPicture, DecodesAsBmpAtTwiceItsSizeOnScreen)
{
    QImageReader reader(BuildDir + u'/' + QString::fromLatin1(GetParam().name));
    EXPECT_EQ(reader.format(), "bmp");
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.width(), GetParam().width);
    EXPECT_EQ(image.height(), GetParam().height);
}

TEST_P(BuiltPicture, StoresTwentyFourBitsAPixel)
{
    const QByteArray bmp = readAll(BuildDir + u'/' + QString::fromLatin1(GetParam().name));
    ASSERT_GE(bmp.size(), 30);
    // biBitCount of the BITMAPINFOHEADER that follows the 14-byte file header.
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 24);
}

// A source the renderer mostly failed to draw comes out flat.
TEST_P(BuiltPicture, IsDrawnRatherThanFlat)
{
    const QImage image = builtPicture(QString::fromLatin1(GetParam().name));
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 500u);
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, BuiltPicture, ::testing::ValuesIn(AllPictures),
                         [](const auto &info) {
                             std::string name = info.param.name;
                             name = name.substr(0, name.find('.'));
                             return name == "stt" ? std::string("title") : "picture_" + name;
                         });

// The player chooses an action by reading the mood at a glance, so a mood
// must show in more than her face. Her face covers about a tenth of the
// frame: even if every pixel of it changed completely, the mean difference
// would stay near 25 of 255. Above that, the moods differ in the light over
// the whole frame, which is what the eye takes in first.
TEST(MoodPictures, DifferClearlyFromOneAnother)
{
    const QImage moods[] = {builtPicture("0.bmp"), builtPicture("1.bmp"), builtPicture("2.bmp")};
    for (int a = 0; a < 3; ++a) {
        for (int b = a + 1; b < 3; ++b)
            EXPECT_GT(meanDifference(moods[a], moods[b]), 25.0) << "moods " << a << " and " << b;
    }
}

// A reaction must still read as the mood it was pressed in.
TEST(MoodPictures, DifferMoreFromOneAnotherThanFromTheirOwnReactions)
{
    const QImage moods[] = {builtPicture("0.bmp"), builtPicture("1.bmp"), builtPicture("2.bmp")};
    double closestMoods = 255;
    for (int a = 0; a < 3; ++a) {
        for (int b = a + 1; b < 3; ++b)
            closestMoods = std::min(closestMoods, meanDifference(moods[a], moods[b]));
    }
    for (int mood = 0; mood < 3; ++mood) {
        for (int action = 0; action < 3; ++action) {
            const QString reaction = QStringLiteral("%1%2.bmp").arg(mood).arg(action);
            EXPECT_LT(meanDifference(moods[mood], builtPicture(reaction)), closestMoods) << reaction.toStdString();
        }
    }
}

struct RenderRun
{
    int exitCode;
    QByteArray errors;
};

RenderRun render(const QStringList &arguments)
{
    QProcess process;
    process.start(Renderer, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardError()};
}

TEST(PictureRenderer, GivesTheSameBytesForTheSameSource)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString first = out.filePath("first.bmp");
    const QString second = out.filePath("second.bmp");
    ASSERT_EQ(render({Sources, Sources + "/11.svg", first, "530x530"}).exitCode, 0);
    ASSERT_EQ(render({Sources, Sources + "/11.svg", second, "530x530"}).exitCode, 0);
    EXPECT_EQ(readAll(first), readAll(second));
    EXPECT_EQ(readAll(first), readAll(BuildDir + "/11.bmp"));
}

class PictureRendererRefusal : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        ASSERT_TRUE(QDir(m_root.path()).mkdir("assets"));
        write("outside.svg", R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
                                  <rect id="secret" width="10" height="10" fill="red"/></svg>)svg");
    }

    void write(const QString &relativePath, const QByteArray &text)
    {
        QFile file(m_root.filePath(relativePath));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QString assets() const { return m_root.filePath("assets"); }

    QTemporaryDir m_root;
};

TEST_F(PictureRendererRefusal, RefusesAPartOutsideItsFolderAndWritesNothing)
{
    write("assets/picture.svg",
          R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="10" height="10">
               <use xlink:href="../outside.svg#secret"/></svg>)svg");
    const QString output = m_root.filePath("picture.bmp");
    const RenderRun run = render({assets(), assets() + "/picture.svg", output, "10x10"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains("outside the assets folder")) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(output));
}

TEST_F(PictureRendererRefusal, RefusesASourceOutsideItsFolder)
{
    const RenderRun run = render({assets(), m_root.filePath("outside.svg"), m_root.filePath("out.bmp"), "10x10"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains("outside the assets folder")) << run.errors.toStdString();
}

TEST_F(PictureRendererRefusal, RefusesWhatItCannotDrawFaithfully)
{
    write("assets/picture.svg", R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
                                     <rect width="10" height="10" fill="url(#nowhere)"/></svg>)svg");
    const RenderRun run = render({assets(), assets() + "/picture.svg", m_root.filePath("out.bmp"), "10x10"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains("nowhere")) << run.errors.toStdString();
}

TEST_F(PictureRendererRefusal, RefusesASizeThatIsNotWidthByHeight)
{
    write("assets/picture.svg", R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"/>)svg");
    for (const char *size : {"10", "0x10", "10x-1", "axb", "99999x99999"}) {
        const RenderRun run = render({assets(), assets() + "/picture.svg", m_root.filePath("out.bmp"), size});
        EXPECT_NE(run.exitCode, 0) << size;
    }
}

} // namespace
