// The tool strip's picture buttons: the pictures they draw, and how they answer the mouse.
// Mouse events go through the window, as the desktop delivers them, so the button's hold on
// the mouse between press and release is exercised too.

#include "app/PictureButton.h"
#include "app/StatusHelpButton.h"

#include <QLabel>
#include <QSet>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

const ToolPicture kAllPictures[] = {ToolPicture::New, ToolPicture::Open, ToolPicture::Save, ToolPicture::Print,
                                    ToolPicture::Cut, ToolPicture::Copy, ToolPicture::Paste};

QImage rgb(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

// A tool strip holding one button, shown offscreen; every signal of the button is logged in order.
class PictureButtonTest : public ::testing::Test {
protected:
    PictureButtonTest()
    {
        strip.resize(200, 40);
        button = new PictureButton(ToolPicture::New, "imgNew", "ImgNewUp", "ImgNewDown", "Creates a new document.",
                                   &strip);
        button->move(10, 8);
        QObject::connect(button, &PictureButton::statusText, [this](const QString& text) { log << "status:" + text; });
        QObject::connect(button, &PictureButton::clicked, [this] { log << "clicked"; });
        strip.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&strip));
    }

    QWindow* window() { return strip.windowHandle(); }
    QPoint onButton() const { return button->geometry().center(); }
    QPoint offButton() const { return {150, 30}; }

    // Which of the two pictures the button paints now.
    bool showsPressed() const
    {
        const QImage shown = rgb(button->grab());
        const QImage down = rgb(drawToolPicture(ToolPicture::New, true, shown.devicePixelRatio()));
        const QImage up = rgb(drawToolPicture(ToolPicture::New, false, shown.devicePixelRatio()));
        EXPECT_TRUE(shown == down || shown == up) << "the button paints neither of its pictures";
        return shown == down;
    }

    QWidget strip;
    PictureButton* button = nullptr;
    QStringList log;
};

} // namespace

TEST_F(PictureButtonTest, ClickShowsHelpWhileHeldThenClearsItThenClicks)
{
    QTest::mousePress(window(), Qt::LeftButton, {}, onButton());
    EXPECT_TRUE(button->isPressed());
    EXPECT_TRUE(showsPressed());
    EXPECT_EQ(log, QStringList{"status:Creates a new document."});

    QTest::mouseRelease(window(), Qt::LeftButton, {}, onButton());
    EXPECT_FALSE(button->isPressed());
    EXPECT_FALSE(showsPressed());
    EXPECT_EQ(log, (QStringList{"status:Creates a new document.", "status:", "clicked"}));
}

TEST_F(PictureButtonTest, DraggingOffKeepsThePressedPictureUntilTheReleaseAndDoesNotClick)
{
    QTest::mousePress(window(), Qt::LeftButton, {}, onButton());
    QTest::mouseMove(window(), offButton());
    EXPECT_TRUE(button->isPressed());
    EXPECT_TRUE(showsPressed());
    EXPECT_EQ(rgb(button->shownPicture()), rgb(button->findChild<QLabel*>("ImgNewDown")->pixmap()));

    // Released over the strip, not the button: the release still reaches the button.
    QTest::mouseRelease(window(), Qt::LeftButton, {}, offButton());
    EXPECT_FALSE(button->isPressed());
    EXPECT_FALSE(showsPressed());
    EXPECT_EQ(rgb(button->shownPicture()), rgb(button->findChild<QLabel*>("ImgNewUp")->pixmap()));
    EXPECT_EQ(log, (QStringList{"status:Creates a new document.", "status:"}));

    // Dragging back onto the button before the release still clicks.
    log.clear();
    QTest::mousePress(window(), Qt::LeftButton, {}, onButton());
    QTest::mouseMove(window(), offButton());
    QTest::mouseMove(window(), onButton());
    QTest::mouseRelease(window(), Qt::LeftButton, {}, onButton());
    EXPECT_EQ(log, (QStringList{"status:Creates a new document.", "status:", "clicked"}));
}

TEST_F(PictureButtonTest, OnlyTheLeftButtonActs)
{
    for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(window(), other, {}, onButton());
        EXPECT_FALSE(button->isPressed());
        EXPECT_FALSE(showsPressed());
        QTest::mouseRelease(window(), other, {}, onButton());
    }
    EXPECT_TRUE(log.isEmpty()) << log.join(", ").toStdString();

    // Another button pressed and let go while the left one is held changes nothing.
    QTest::mousePress(window(), Qt::LeftButton, {}, onButton());
    QTest::mousePress(window(), Qt::RightButton, {}, onButton());
    QTest::mouseRelease(window(), Qt::RightButton, {}, onButton());
    EXPECT_TRUE(button->isPressed());
    EXPECT_TRUE(showsPressed());
    QTest::mouseRelease(window(), Qt::LeftButton, {}, onButton());
    EXPECT_EQ(log, (QStringList{"status:Creates a new document.", "status:", "clicked"}));
}

TEST_F(PictureButtonTest, HelpIsClearedWhenTheButtonGoesAwayWhileHeld)
{
    // Hidden or disabled, the button would never see the release: the help must not stay.
    QTest::mousePress(window(), Qt::LeftButton, {}, onButton());
    button->hide();
    EXPECT_FALSE(button->isPressed());
    EXPECT_EQ(log, (QStringList{"status:Creates a new document.", "status:"}));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, onButton());
    EXPECT_EQ(log.size(), 2) << "nothing more after the button went away";

    button->show();
    log.clear();
    QTest::mousePress(window(), Qt::LeftButton, {}, onButton());
    button->setEnabled(false);
    EXPECT_FALSE(button->isPressed());
    QTest::mouseRelease(window(), Qt::LeftButton, {}, onButton());
    EXPECT_EQ(log, (QStringList{"status:Creates a new document.", "status:"}));
}

// The text buttons of the panels behave alike.
TEST(StatusHelpButtonTest, HelpIsClearedWhenTheButtonGoesAwayWhileHeld)
{
    QWidget window;
    auto* button = new StatusHelpButton(QStringLiteral("cmdTest"), QStringLiteral("&Test"), QStringLiteral("Tests."), &window);
    QStringList log;
    QObject::connect(button, &StatusHelpButton::statusText, [&](const QString& text) { log << text; });
    window.show();
    for (const bool hidden : {true, false}) {
        SCOPED_TRACE(hidden ? "hidden" : "disabled");
        log.clear();
        QTest::mousePress(button, Qt::LeftButton);
        if (hidden)
            button->hide();
        else
            button->setEnabled(false);
        EXPECT_EQ(log, (QStringList{"Tests.", ""}));
        button->show();
        button->setEnabled(true);
        QTest::mouseRelease(button, Qt::LeftButton);
        EXPECT_EQ(log.size(), 2) << "nothing more after the button went away";
    }
}

TEST_F(PictureButtonTest, HoldsItsPicturesInHiddenImageControlsNamedAsGiven)
{
    EXPECT_EQ(button->objectName(), "imgNew");
    EXPECT_EQ(button->helpText(), "Creates a new document.");
    EXPECT_EQ(button->size(), QSize(24, 22));
    EXPECT_TRUE(button->toolTip().isEmpty());
    EXPECT_FALSE(button->accessibleName().isEmpty());

    const auto* up = button->findChild<QLabel*>("ImgNewUp");
    const auto* down = button->findChild<QLabel*>("ImgNewDown");
    ASSERT_NE(up, nullptr);
    ASSERT_NE(down, nullptr);
    EXPECT_FALSE(up->isVisible());
    EXPECT_FALSE(down->isVisible());
    const qreal ratio = up->pixmap().devicePixelRatio();
    EXPECT_EQ(rgb(up->pixmap()), rgb(drawToolPicture(ToolPicture::New, false, ratio)));
    EXPECT_EQ(rgb(down->pixmap()), rgb(drawToolPicture(ToolPicture::New, true, ratio)));
}

TEST(PictureButtonPictures, AreSmallSixteenColourImagesAtEveryDensity)
{
    for (ToolPicture picture : kAllPictures)
        for (qreal ratio : {1.0, 2.0})
            for (bool pressed : {false, true}) {
                SCOPED_TRACE(testing::Message() << "picture " << int(picture) << " ratio " << ratio << " pressed " << pressed);
                const QPixmap pixmap = drawToolPicture(picture, pressed, ratio);
                EXPECT_EQ(pixmap.size(), QSize(24, 22) * ratio);
                EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
                const int colours = distinctColours(rgb(pixmap));
                EXPECT_GT(colours, 2) << "more than a bevel on a plain face";
                EXPECT_LE(colours, 16);
            }

    EXPECT_EQ(drawToolPicture(ToolPicture::Save, false, 1.5).size(), QSize(36, 33));
    EXPECT_EQ(drawToolPicture(ToolPicture::Save, false, 0).size(), QSize(24, 22));
}

TEST(PictureButtonPictures, PressedIsSunkenAndShiftedOnePixelRightAndDown)
{
    const auto lightness = [](const QImage& image, int x, int y) { return qGray(image.pixel(x, y)); };
    for (ToolPicture picture : kAllPictures)
        for (int ratio : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "picture " << int(picture) << " ratio " << ratio);
            const QImage up = rgb(drawToolPicture(picture, false, ratio));
            const QImage down = rgb(drawToolPicture(picture, true, ratio));
            ASSERT_NE(up, down);

            // Raised: top and left edges lighter than bottom and right; sunken: the reverse.
            const int w = up.width() - 1;
            const int h = up.height() - 1;
            EXPECT_GT(lightness(up, w / 2, 0), lightness(up, w / 2, h));
            EXPECT_GT(lightness(up, 0, h / 2), lightness(up, w, h / 2));
            EXPECT_LT(lightness(down, w / 2, 0), lightness(down, w / 2, h));
            EXPECT_LT(lightness(down, 0, h / 2), lightness(down, w, h / 2));

            // Inside the bevel the drawing is the same, one logical pixel further right and down.
            const QRect inside(2 * ratio, 2 * ratio, 19 * ratio, 17 * ratio);
            EXPECT_EQ(up.copy(inside), down.copy(inside.translated(ratio, ratio)));
        }
}

TEST(PictureButtonPictures, EachButtonHasItsOwnPicture)
{
    for (ToolPicture a : kAllPictures)
        for (ToolPicture b : kAllPictures) {
            if (a != b) {
                EXPECT_NE(rgb(drawToolPicture(a, false, 1)), rgb(drawToolPicture(b, false, 1)))
                    << "pictures " << int(a) << " and " << int(b);
            }
        }
}
