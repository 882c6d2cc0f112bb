#include "media/cblad.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "media/data_paths.h"
#include "media/scoped_temp_dir.h"
#include "platform/message_log.h"

using namespace media;

using platform::MessageLog;

namespace {

class CBladShow : public testing::Test {
  protected:
    void SetUp() override { MessageLog::Capture(); }
    void TearDown() override {
        SetMessageFormHandler({});
        MessageLog::StopCapture();
    }
    std::vector<std::string> formTexts_;
    MessageFormHandler recordingForm_ = [this](const std::string& text) {
        formTexts_.push_back(text);
    };
};

}  // namespace

TEST(CBlad, CarriesCodeAndTextBehindAFixedMessage) {
    try {
        throw CBlad(3, "Powtórzone losowanie obiektów");
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Blad");
        const auto& blad = dynamic_cast<const CBlad&>(e);
        EXPECT_EQ(blad.Code(), 3);
        EXPECT_EQ(blad.Text(), "Powtórzone losowanie obiektów");
    }
}

TEST(CBlad, KnowsTheTextsOfItsCodes) {
    struct Case {
        int16_t code;
        std::string text;
    } cases[] = {
        {1, "Brak Zasobów\nPrzeinstaluj Vimbaro"},
        {2, "Zmień Rozdzielczość na conajmniej 1024x768"},
        {3, "Powtórzone losowanie obiektów"},
        {9, "Za malo slow do losowania"},
        {10, "Pozycja paska nie może zostać zainicjalizowana"},
        {100, "Brak Bitmapy w dll"},
        {101, "Inicialization error in SCan Function sch.17"},
        {102, "Inicialization error in SCan Function sch.17"},
        {-7, ""},
    };
    for (const auto& c : cases) {
        CBlad blad = CBlad::FromCode(c.code);
        EXPECT_EQ(blad.Code(), c.code);
        EXPECT_EQ(blad.Text(), c.text) << c.code;
    }
    EXPECT_EQ(CBlad::ResourceMissing().Code(), 1);
    EXPECT_EQ(CBlad::ResourceMissing().Text(), ResourceMissingText);
}

TEST_F(CBladShow, UsesAMessageBoxBeforeALayoutExists) {
    ScopedScreenMode mode(0);
    SetMessageFormHandler(recordingForm_);
    CBlad(2, "Zmień Rozdzielczość na conajmniej 1024x768").Show();
    CBlad(5, "").Show();
    EXPECT_TRUE(formTexts_.empty());
    auto boxes = MessageLog::Entries();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].Text, "Zmień Rozdzielczość na conajmniej 1024x768");
    EXPECT_EQ(boxes[0].Caption, "Błąd");
    EXPECT_EQ(boxes[1].Text, "");
}

TEST_F(CBladShow, UsesTheMessageFormOnceALayoutExists) {
    ScopedScreenMode mode(4);
    SetMessageFormHandler(recordingForm_);
    CBlad(9, "Za malo slow do losowania").Show();
    EXPECT_EQ(formTexts_, std::vector<std::string>{"Za malo slow do losowania"});
    EXPECT_TRUE(MessageLog::Entries().empty());
}

TEST_F(CBladShow, FallsBackToABoxWithoutAForm) {
    ScopedScreenMode mode(1);
    CBlad(9, "Za malo slow do losowania").Show();
    auto boxes = MessageLog::Entries();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "Za malo slow do losowania");
    EXPECT_EQ(boxes[0].Caption, "Błąd");
}

TEST_F(CBladShow, AFailingFormStillLeavesTheResourceBox) {
    ScopedScreenMode mode(1);
    const MessageFormHandler failing[] = {
        [](const std::string&) { throw CBlad::ResourceMissing(); },
        [](const std::string&) { throw std::runtime_error("no background"); },
        [](const std::string&) { throw 42; },
    };
    for (const auto& form : failing) {
        MessageLog::Capture();
        SetMessageFormHandler(form);
        EXPECT_NO_THROW(CBlad(10, "Pozycja paska nie może zostać zainicjalizowana").Show());
        auto boxes = MessageLog::Entries();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].Text, "Brak Zasobów\nPrzeinstaluj Vimbaro");
        EXPECT_EQ(boxes[0].Caption, "Błąd");
    }
}

TEST_F(CBladShow, AFormMayReplaceItselfWhileShowing) {
    ScopedScreenMode mode(1);
    SetMessageFormHandler([this](const std::string& text) {
        SetMessageFormHandler(recordingForm_);
        formTexts_.push_back("first: " + text);
    });
    CBlad(3, "a").Show();
    CBlad(3, "b").Show();
    EXPECT_EQ(formTexts_, (std::vector<std::string>{"first: a", "b"}));
}
