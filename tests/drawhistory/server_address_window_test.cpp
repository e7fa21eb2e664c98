#include "drawhistory/app_test_fixture.h"
#include "drawhistory/server_address.h"
#include "drawhistory/server_address_window.h"
#include "support/write_block.h"

namespace {

class ServerAddressWindowTest : public AppTest {
protected:
    void SetUp() override { startWith({MakeDrawLine("2026/01/02", "115001", {1, 2, 3, 4, 5})}); }

    // Opens the window by its action and types the four parts.
    void enter(const QStringList& parts, const std::function<void(TForm_rk_FtpServerIP&)>& then = {}) {
        whenShown<TForm_rk_FtpServerIP>(QStringLiteral("Form_rk_FtpServerIP"),
                                        [parts, then](TForm_rk_FtpServerIP& w) {
                                            const char* boxes[] = {"Edit1", "Edit2", "Edit3", "Edit4"};
                                            for (int i = 0; i < 4; ++i)
                                                Type(w, boxes[i], parts[i]);
                                            Click(w, "Button2");
                                            if (then)
                                                then(w);
                                        });
        Click(main(), "ftpip");
    }
    QString addressFile() {
        return FileExists(ServerAddressFileName)
                   ? QString::fromStdString(ReadFileBytes(ServerAddressFileName))
                   : QString();
    }
    bool viewerOffersDownload() {
        bool enabled = false;
        inViewer([&](TForm_rk_lotto_record& v) { enabled = Enabled(v, "BitBtn2"); });
        return enabled;
    }
};

} // namespace

TEST_F(ServerAddressWindowTest, FirstRunShowsNoAddressAndBlanksAreRefused) {
    enter({QStringLiteral("203"), QStringLiteral("   "), QStringLiteral("1"), QStringLiteral("9")},
          [](TForm_rk_FtpServerIP& w) { EXPECT_EQ(Label(w, "Label2"), QString()); });
    EXPECT_EQ(platform.dialogs.texts(), QStringList{QStringLiteral("資料有空白錯誤")});
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Error);
    EXPECT_EQ(addressFile(), QString());
    EXPECT_EQ(windows().get<TForm_rk_FtpServerIP>()->windowTitle(), QStringLiteral("資料下載伺服器位址"));
}

TEST_F(ServerAddressWindowTest, AnswerNoChangesNothing) {
    dir.writeLines(QStringLiteral("FtpServerIp.txt"), {"203.66.1.9"});
    platform.dialogs.answer(DialogAnswer::No);
    enter({QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")},
          [](TForm_rk_FtpServerIP& w) { EXPECT_EQ(Label(w, "Label2"), QStringLiteral("203.66.1.9")); });
    EXPECT_EQ(platform.dialogs.texts(), QStringList{QStringLiteral("請確定新的IP為 1.1.1.1")});
    EXPECT_EQ(platform.dialogs.prompts[0].kind, DialogKind::Warning);
    EXPECT_EQ(platform.dialogs.prompts[0].buttons, DialogButtons::YesNo);
    EXPECT_EQ(addressFile(), QStringLiteral("203.66.1.9\r\n"));
    EXPECT_TRUE(state().download.DownloadEnabled);
}

TEST_F(ServerAddressWindowTest, AgreedAddressSwitchesTheDownloadOffAndAnotherOnAgain) {
    platform.dialogs.answer(DialogAnswer::Yes);
    enter({QStringLiteral(" 1"), QStringLiteral("1 "), QStringLiteral("1"), QStringLiteral("1")},
          [](TForm_rk_FtpServerIP& w) { EXPECT_EQ(Label(w, "Label2"), QStringLiteral("1.1.1.1")); });
    EXPECT_EQ(platform.dialogs.texts(),
              (QStringList{QStringLiteral("請確定新的IP為 1.1.1.1"), QStringLiteral("新IP設定完成")}));
    EXPECT_EQ(platform.dialogs.prompts[1].buttons, DialogButtons::Ok);
    EXPECT_EQ(addressFile(), QStringLiteral("1.1.1.1\r\n"));
    EXPECT_FALSE(state().download.DownloadEnabled);
    EXPECT_FALSE(viewerOffersDownload());
    EXPECT_FALSE(viewerOffersDownload()); // for the rest of the run

    platform.dialogs.answer(DialogAnswer::Yes);
    enter({QStringLiteral("203"), QStringLiteral("66"), QStringLiteral("1"), QStringLiteral("9")});
    EXPECT_EQ(addressFile(), QStringLiteral("203.66.1.9\r\n"));
    EXPECT_TRUE(viewerOffersDownload());
}

TEST_F(ServerAddressWindowTest, FailedSaveIsNotReportedAsDone) {
    dir.writeLines(QStringLiteral("FtpServerIp.txt"), {"203.66.1.9"});
    platform.dialogs.answer(DialogAnswer::Yes);
    {
        WriteBlock block(dir.path());
        enter({QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")},
              [](TForm_rk_FtpServerIP& w) { EXPECT_EQ(Label(w, "Label2"), QStringLiteral("203.66.1.9")); });
    }
    ASSERT_EQ(platform.dialogs.prompts.size(), 2u);
    EXPECT_EQ(platform.dialogs.prompts[1].kind, DialogKind::Error);
    EXPECT_FALSE(platform.dialogs.texts().contains(QStringLiteral("新IP設定完成")));
    EXPECT_EQ(addressFile(), QStringLiteral("203.66.1.9\r\n"));
    EXPECT_TRUE(state().download.DownloadEnabled);
}
