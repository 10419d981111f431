// The background change and the close question, with a scripted platform: which pictures become the face,
// what the user is asked, and which face file the settings end up naming.
#include "tests/app/WindowModelFixture.h"

namespace {
constexpr uint32_t maskColour = packColour(1, 2, 3);
constexpr uint32_t skyColour = packColour(10, 200, 30);

class BackgroundChangeTest : public WindowModelTest {
  protected:
    // In SetUp, not the constructor: a failed start must end the test before the face is read.
    void SetUp() override {
        // The picture shows through the left half of the face; the right half is the mask's own colour.
        DibImage mask = filledPicture(788, 540, maskColour);
        for (int y = 0; y < 540; ++y)
            for (int x = 0; x < 394; ++x) mask.setPackedAt(x, y, MaskGrid::showsPicture);
        port.addFile("Mask.bmp", encodeBmpFile(mask));
        port.addFile("C:\\pics\\sky.bmp", encodeBmpFile(filledPicture(8, 6, skyColour)));
        ASSERT_TRUE(startUp());
        originalFace = model.skin().face().block();
    }
    void changeTo(std::initializer_list<std::optional<std::string>> choices) {
        port.pictureChoices.assign(choices.begin(), choices.end());
        model.onCommand(IDM_BACKGROUND_CHANGE);
    }

    std::vector<uint8_t> originalFace;
};
}  // namespace

// The composition itself is the composer's; here, that its result becomes the face at once, with the
// progress in the title under the wait cursor, and that the face file stays the same until saved.
TEST_F(BackgroundChangeTest, AChosenBmpIsComposedUnderTheMaskAndPaintedAtOnceWithItsProgressShown) {
    changeTo({"C:\\pics\\sky.bmp"});
    EXPECT_TRUE(port.messages.empty() && port.faceInvalidations == 1);
    EXPECT_EQ(port.pictureFolders.size(), 1u) << "taken: the dialog does not come back";
    const DibImage& face = model.skin().face();
    EXPECT_EQ(std::pair(face.packedAt(200, 270), face.packedAt(600, 270)), std::pair(skyColour, maskColour));
    // The progress gives the title back.
    EXPECT_EQ(std::pair(port.title, model.skin().backgroundPath()),
              std::pair(std::string("Velmira"), std::string("Main.bmp")));
}

// Rejecting a choice keeps the dialog open, as the picture dialog does: the message, then the dialog again,
// until a picture is taken or the user cancels; the old face stays meanwhile.
TEST_F(BackgroundChangeTest,
       AMissingUnreadableOrUndecodablePictureIsReportedAndTheDialogComesBackUntilOneIsTaken) {
    port.addFile("C:\\pics\\text.bmp",
                 {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!', '!'});
    port.files["C:\\pics\\locked.bmp"] = {FileData::readError, {}};
    port.addFile("C:\\pics\\README", {1});
    port.pluginResult = PluginResult::failed(getPictureResult::internalError);
    changeTo({"", "C:\\pics\\gone.bmp", "C:\\pics\\text.bmp", "C:\\pics\\locked.bmp", "C:\\pics\\README",
              std::nullopt});
    EXPECT_EQ(port.messages,
              (Lines{"[ C:\\pics\\gone.bmp ] が見つかりません。\n\nパスとファイル名を確認して下さい。",
                     "ｂｍｐフォーマットではありません", "ファイルを読み込めませんでした", "内部エラー"}));
    EXPECT_EQ(port.pictureFolders.size(), 6u);  // an empty name asks again without a word
    EXPECT_EQ(model.skin().face().block(), originalFace);
}

// The face file the settings write at exit changes only after a complete save: No, a cancelled dialog and a
// failed write all keep the face saved before.
TEST_F(BackgroundChangeTest, TheCloseQuestionSavesTheFaceOnlyOnYesAndAWholeWrite) {
    const Lines writeFailed = {"ｂｍｐデータの書き込みに失敗しました"};
    const struct {
        const char* name;
        bool yes;
        std::optional<std::string> file;
        bool writes;
        std::string backgroundPath;
        Lines messages;
    } cases[] = {
        {"no", false, "C:\\pics\\face.bmp", true, "C:\\old\\face.bmp", {}},
        {"empty name", true, "", true, "C:\\old\\face.bmp", {}},
        {"failed write", true, "C:\\pics\\face.bmp", false, "C:\\old\\face.bmp", writeFailed},
        {"saved", true, "C:\\pics\\face.bmp", true, "C:\\pics\\face.bmp", {}},
    };
    const Lines question = {
        "背景画像が変更されています。保存しますか？\n保存すると次回からその画像を使用します。"};
    changeTo({"C:\\pics\\sky.bmp"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        model.skin().setBackgroundPath("C:\\old\\face.bmp");
        port.files.erase("C:\\pics\\face.bmp");
        port.questions = port.saveFolders = port.messages = {};
        port.answerYes = c.yes;
        port.saveChoice = c.file;
        port.writeSucceeds = c.writes;
        port.waitCursorShows = 0;

        EXPECT_TRUE(model.prepareToClose());
        EXPECT_EQ(std::pair(port.questions, port.waitCursorShows),
                  std::pair(question, int(c.yes && !c.file->empty())))
            << "asked once, and written under the wait cursor";
        EXPECT_EQ(std::tuple(port.saveFolders, model.skin().backgroundPath(), port.messages,
                             port.files.count("C:\\pics\\face.bmp"), port.waitCursor),
                  std::tuple(c.yes ? Lines{"C:\\pics"} : Lines{}, c.backgroundPath, c.messages,
                             c.backgroundPath == "C:\\pics\\face.bmp" ? 1u : 0u, false));
    }
    // The saved file is the whole face as a 24-bit BMP, which the next start reads as its face.
    EXPECT_EQ(port.files["C:\\pics\\face.bmp"].bytes, encodeBmpFile(model.skin().face()));
}

// The question waits for an answer: the song must not go on playing behind it.
TEST_F(BackgroundChangeTest, TheSongStopsBeforeTheCloseQuestionIsAsked) {
    changeTo({"C:\\pics\\sky.bmp"});
    port.addFile("a.mid", oneNoteSong());
    ASSERT_TRUE(model.songs().openFile("a.mid"));
    model.engine().player().startPlayback();
    bool playingWhileAsked = true;
    port.whileAsking = [&] { playingWhileAsked = model.engine().player().playing(); };
    port.answerYes = false;
    model.prepareToClose();
    EXPECT_FALSE(playingWhileAsked);
}
