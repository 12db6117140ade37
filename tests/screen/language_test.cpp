// SPDX-License-Identifier: MIT
#include "audiodevice.h"
#include "controlfactory.h"
#include "desktop.h"
#include "endings.h"
#include "fom.h"
#include "gamefiles.h"
#include "gamelanguage.h"
#include "image.h"
#include "label.h"
#include "layout.h"
#include "pictureloader.h"
#include "qtmessagebox.h"
#include "recordingmessagebox.h"
#include "scriptedrandom.h"

#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <vector>

namespace {

// ---- the language spoken -------------------------------------------------

struct LanguageCase
{
    const char *name;
    QStringList uiLanguages; // as Qt reads them from the environment
    const char *spoken;
};

void PrintTo(const LanguageCase &c, std::ostream *os)
{
    *os << c.name;
}

class SpokenLanguage : public ::testing::TestWithParam<LanguageCase>
{
};

// Where Japanese is spoken, every text comes back exactly as written.
TEST_P(SpokenLanguage, IsTheFirstOfTheDesktopsTheGameKnowsAndJapaneseTextForTextOtherwise)
{
    const LanguageCase &c = GetParam();
    const GameLanguage language(c.uiLanguages);
    EXPECT_EQ(language.code(), QString::fromLatin1(c.spoken));
    const QString bite = QStringLiteral("吸血");
    EXPECT_EQ(language.translate("Layout", bite) == bite, language.code() == QLatin1String("ja"));
}

INSTANTIATE_TEST_SUITE_P(
        Desktops, SpokenLanguage,
        ::testing::Values(LanguageCase{"CLocale", {"C"}, "ja"},
                          LanguageCase{"Japanese", {"ja-JP", "ja-Jpan-JP", "ja"}, "ja"},
                          LanguageCase{"FrenchAlone", {"fr-FR", "fr-Latn-FR", "fr"}, "ja"},
                          LanguageCase{"AmericanEnglish", {"en-US", "en-Latn-US", "en"}, "en"},
                          // LANGUAGE=en_GB:de
                          LanguageCase{"BritishThenGerman", {"en-GB", "en-Latn-GB", "de", "de-Latn-DE", "de-DE"}, "en"},
                          LanguageCase{"FrenchThenEnglish", {"fr", "fr-Latn-FR", "fr-FR", "en", "en-Latn-US"}, "en"},
                          LanguageCase{"JapaneseThenEnglish", {"ja", "ja-Jpan-JP", "en", "en-Latn-US"}, "ja"}));

// ---- the window in a language ------------------------------------------

class WindowInLanguage : public ::testing::Test
{
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }

    bool start(const QStringList &uiLanguages)
    {
        language = std::make_unique<GameLanguage>(uiLanguages);
        language->install();
        random.setFallback(0.0f);
        if (!files)
            files = std::make_unique<GameFiles>();
        // A second start leaves the first window first: it plays on the device.
        fom.reset();
        audio = std::make_unique<AudioDevice>();
        fom = std::make_unique<Fom>(FomServices{random, boxes, *audio, files->dir(), language->code()});
        if (!fom->Form_Load())
            return false;
        fom->show();
        return true;
    }

    QWidget *control(const Layout::Row &row) const
    {
        return fom->findChild<QWidget *>(controlName(row.name, row.index));
    }

    std::unique_ptr<GameLanguage> language;
    std::unique_ptr<GameFiles> files;
    ScriptedRandom random;
    RecordingMessageBox boxes;
    std::unique_ptr<AudioDevice> audio;
    std::unique_ptr<Fom> fom;
};

bool hasJapanese(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
    });
}

// Whatever the player reads or hears, translated at the place it is shown:
// a text left out of the translation, or looked up under another key than
// the one marked, would still be Japanese here.
TEST_F(WindowInLanguage, EnglishLeavesNoJapaneseOnScreenInTheEndingsOrForAssistiveTechnology)
{
    ASSERT_TRUE(start({QStringLiteral("en-US"), QStringLiteral("en")}));
    QStringList texts{fom->windowTitle(), QtMessageBox::caption(),
                      language->translate("Desktop", Desktop::noDisplayMessage()),
                      loadPicture(files->path(QStringLiteral("none.bmp"))).error};
    for (const QWidget *widget : fom->findChildren<QWidget *>()) {
        texts << widget->accessibleName() << widget->accessibleDescription();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts << button->text();
    }
    for (const Ending &ending : allEndings()) {
        texts << playerText("Endings", ending.title);
        for (std::string_view box : ending.boxes)
            texts << playerText("Endings", box);
    }
    for (const QString &text : texts)
        EXPECT_FALSE(hasJapanese(text)) << text.toStdString();
    EXPECT_TRUE(fom->findChild<Label *>(QStringLiteral("Label1(2)"))->caption().endsWith(QStringLiteral(VELMORA_VERSION)));
}

TEST_F(WindowInLanguage, TheCLocaleKeepsTheFooterAsItAlwaysWas)
{
    ASSERT_TRUE(start({QStringLiteral("C")}));
    EXPECT_EQ(fom->findChild<Label *>(QStringLiteral("Label1(2)"))->caption(),
              QStringLiteral("　画面をクリックするとスタートに戻るよ　｛Velmora…｝Ver." VELMORA_VERSION));
}

// The title's words drawn in English lie in en/: the English game shows
// them, the Japanese game beside the same files its own, and a picture
// with no English drawing is the Japanese one in both.
TEST_F(WindowInLanguage, ShowsAPictureDrawnInItsLanguageWhereTheGameHasOne)
{
    files = std::make_unique<GameFiles>();
    ASSERT_TRUE(QDir(files->dir()).mkdir(QStringLiteral("en")));
    QImage english(8, 8, QImage::Format_RGB32);
    english.fill(QColor(0x12, 0x34, 0x56));
    ASSERT_TRUE(english.save(files->path(QStringLiteral("en/stt.bmp"))));
    const auto shown = [this](const char *image) {
        return fom->findChild<Image *>(QString::fromLatin1(image))->picture().toImage().pixel(0, 0) & RGB_MASK;
    };
    for (const char *code : {"en", "ja"}) {
        ASSERT_TRUE(start({QString::fromLatin1(code)})) << code;
        EXPECT_EQ(shown("ImgStt"), qstrcmp(code, "en") == 0 ? english.pixel(0, 0) & RGB_MASK
                                                            : GameFiles::colourOf(QStringLiteral("stt.bmp")).rgb() & RGB_MASK)
                << code;
        EXPECT_EQ(shown("E(0)"), GameFiles::colourOf(QStringLiteral("0.bmp")).rgb() & RGB_MASK) << code;
    }
}

// ---- English captions at every size ------------------------------------

// The room a control leaves its caption, as its style lays it out: a
// button's face while pressed (its caption shifts then), an option right of
// its mark, a label's whole width.
int captionRoom(const QWidget *control)
{
    QStyleOptionButton option;
    option.initFrom(control);
    option.state |= QStyle::State_Sunken;
    if (qobject_cast<const QRadioButton *>(control))
        return control->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, control).width();
    if (qobject_cast<const QAbstractButton *>(control))
        return control->style()->subElementRect(QStyle::SE_PushButtonContents, &option, control).width();
    return control->contentsRect().width();
}

QSize wrapped(const QFontMetrics &font, int width, const QString &text)
{
    return font.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text).size();
}

class EnglishCaptions : public WindowInLanguage, public ::testing::WithParamInterface<double>
{
};

// Each caption is measured with its control's font against its control's
// room: a button's or an option's on one line, a label's wrapped at its
// width into no more lines than the Japanese it stands for.
TEST_P(EnglishCaptions, FitTheirControlsAndWrapNoMoreThanTheJapanese)
{
    const double factor = GetParam();
    ASSERT_TRUE(start({QStringLiteral("en")}));
    const QSize window(static_cast<int>(std::lround(287 * factor)), static_cast<int>(std::lround(438 * factor)));
    fom->resize(window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fom->size() == window; }));

    struct Caption
    {
        QWidget *control;
        QString english;
        QString japanese;
    };
    std::vector<Caption> captions;
    for (const Layout::Row &row : Layout::rows()) {
        if (*row.caption != '\0')
            captions.push_back({control(row), caption(row),
                                QString::fromUtf8(row.caption).replace(QLatin1String("%1"), QStringLiteral(VELMORA_VERSION))});
    }
    auto *title = fom->findChild<QWidget *>(QStringLiteral("TtlLbl"));
    for (const Ending &ending : allEndings())
        captions.push_back({title, playerText("Endings", ending.title), QString::fromUtf8(ending.title.data(), qsizetype(ending.title.size()))});

    for (const Caption &c : captions) {
        ASSERT_NE(c.control, nullptr);
        const QFontMetrics font(c.control->font());
        const int room = captionRoom(c.control);
        const std::string what = c.control->objectName().toStdString() + " \"" + c.english.toStdString() + "\"";
        if (qobject_cast<const QLabel *>(c.control)) {
            const QSize english = wrapped(font, room, c.english);
            EXPECT_LE(english.width(), room) << what;
            EXPECT_LE(english.height(), wrapped(font, room, c.japanese).height()) << what;
        } else {
            EXPECT_LE(font.horizontalAdvance(c.english), room) << what;
        }
    }
}

// From half the laid-out size, the smallest the window goes, to a large
// screen maximised.
INSTANTIATE_TEST_SUITE_P(WindowFactors, EnglishCaptions, ::testing::Values(0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0));

} // namespace
