// How the image controls react to the mouse and the keyboard, and what they report.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gfx/tga_texture.h"
#include "platform/key_codes.h"
#include "support/fake_keyboard.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/control.h"
#include "ui/edit_box.h"
#include "ui/key_reader.h"
#include "ui/radio_button.h"
#include "ui/screen.h"

namespace {

// A screen that remembers which controls reported a click.
class RecordingScreen : public Screen {
  public:
    void on_control(Control* control) override {
        Screen::on_control(control);
        clicks.push_back(control);
    }
    std::vector<Control*> clicks;
};

TEST(ButtonTest, ReportsOnThePressAndHoverFollowsThePointer) {
    RecordingScreen screen;
    Button button(&screen, nullptr);
    button.set_position(100, 50);  // 130 x 60 until an image says otherwise

    EXPECT_FALSE(button.left_button_down(99, 60, 0));
    EXPECT_TRUE(screen.clicks.empty());

    EXPECT_TRUE(button.left_button_down(230, 110, 0));  // far corner is inside
    ASSERT_EQ(screen.clicks.size(), 1u);
    EXPECT_EQ(screen.clicks[0], &button);
    EXPECT_EQ(button.state(), Button::kPressed);

    // Releasing outside still ends the press; the next move outside clears the hover.
    EXPECT_TRUE(button.left_button_up(500, 500, 0));
    EXPECT_EQ(button.state(), Button::kHover);
    EXPECT_FALSE(button.left_button_up(500, 500, 0));
    EXPECT_FALSE(button.mouse_move(500, 500, 0));
    EXPECT_EQ(button.state(), Button::kNormal);
    EXPECT_TRUE(button.mouse_move(100, 50, 0));
    EXPECT_EQ(button.state(), Button::kHover);
    button.reset();
    EXPECT_EQ(button.state(), Button::kNormal);
    EXPECT_EQ(screen.clicks.size(), 1u);
}

// A fast pointer jumps from a control straight onto one earlier in the screen's list, which
// takes the move: the one it left must not stay lit as well.
TEST(ButtonTest, OnlyTheControlUnderThePointerLooksHovered) {
    RecordingScreen screen;
    Button first(&screen, nullptr), second(&screen, nullptr);
    CheckBox box(&screen, nullptr);
    first.set_position(0, 0);
    second.set_position(0, 100);
    box.set_position(0, 200);
    screen.add_control(&first);
    screen.add_control(&second);
    screen.add_control(&box);

    screen.mouse_move(10, 110, 0);
    EXPECT_EQ(second.state(), Button::kHover);
    screen.mouse_move(10, 10, 0);
    EXPECT_EQ(first.state(), Button::kHover);
    EXPECT_EQ(second.state(), Button::kNormal);

    screen.mouse_move(10, 210, 0);
    EXPECT_EQ(box.state(), CheckBox::kOffHover);
    screen.mouse_move(10, 110, 0);
    EXPECT_EQ(second.state(), Button::kHover);
    EXPECT_EQ(box.state(), CheckBox::kOff);
    EXPECT_EQ(first.state(), Button::kNormal);
}

TEST(ButtonTest, AHiddenButtonIgnoresTheMouse) {
    RecordingScreen screen;
    Button button(&screen, nullptr);
    button.set_visible(false);
    EXPECT_FALSE(button.mouse_move(10, 10, 0));
    EXPECT_FALSE(button.left_button_down(10, 10, 0));
    EXPECT_EQ(button.state(), Button::kNormal);
    EXPECT_TRUE(screen.clicks.empty());
}

// An uncompressed 32-bit TGA of the given size, all pixels opaque white.
std::vector<unsigned char> tga(int width, int height) {
    std::vector<unsigned char> data(18 + static_cast<size_t>(width) * height * 4, 0xff);
    std::fill(data.begin(), data.begin() + 18, 0);
    data[2] = 2;
    data[12] = static_cast<unsigned char>(width);
    data[14] = static_cast<unsigned char>(height);
    data[16] = 32;
    return data;
}

TEST(ButtonTest, TheImageGivesTheSizeOfOneBandBeforeAnyDrawing) {
    const std::vector<unsigned char> bytes = tga(40, 90);
    TgaTexture image;
    ASSERT_TRUE(image.load_memory(bytes.data(), bytes.size(), false, false));
    RecordingScreen screen;
    Button button(&screen, &image);
    button.set_position(10, 10);
    EXPECT_FALSE(button.left_button_down(100, 60, 0));  // inside the 130 x 60 default only
    EXPECT_FLOAT_EQ(button.width(), 40.0f);
    EXPECT_FLOAT_EQ(button.height(), 30.0f);
    EXPECT_TRUE(button.left_button_down(50, 40, 0));
    EXPECT_FALSE(button.left_button_down(51, 40, 0));
    EXPECT_FALSE(button.left_button_down(50, 41, 0));

    CheckBox box(&screen, &image);
    EXPECT_FLOAT_EQ(box.height(), 22.5f);
}

TEST(CheckBoxTest, TogglesOnReleaseOnlyWhileHovered) {
    RecordingScreen screen;
    CheckBox box(&screen, nullptr);  // at (200, 40), 50 x 50
    // Pressed and released without a move over it first: nothing happens.
    EXPECT_TRUE(box.left_button_down(210, 50, 0));
    EXPECT_FALSE(box.left_button_up(210, 50, 0));
    EXPECT_FALSE(box.is_checked());
    EXPECT_TRUE(screen.clicks.empty());

    EXPECT_TRUE(box.mouse_move(210, 50, 0));
    EXPECT_EQ(box.state(), CheckBox::kOffHover);
    EXPECT_TRUE(box.left_button_up(210, 50, 0));
    EXPECT_TRUE(box.is_checked());
    EXPECT_EQ(box.state(), CheckBox::kOnHover);
    EXPECT_TRUE(box.left_button_up(210, 50, 0));
    EXPECT_FALSE(box.is_checked());
    EXPECT_EQ(screen.clicks.size(), 2u);

    // Leaving keeps the value and drops the hover; reset (a dialog opening) keeps the hover.
    box.set_checked(true);
    EXPECT_TRUE(box.mouse_move(210, 50, 0));
    box.reset();
    EXPECT_EQ(box.state(), CheckBox::kOnHover);
    EXPECT_FALSE(box.mouse_move(0, 0, 0));
    EXPECT_EQ(box.state(), CheckBox::kOn);
}

// The pointer jumps from one box straight onto a control that comes earlier in the screen's
// list: that control takes the move, so the box it left still looks hovered. Clicking the
// other control must not flip the box (nor a radio) as well.
TEST(CheckBoxTest, AClickElsewhereDoesNotFlipTheBoxThePointerLeft) {
    RecordingScreen screen;
    CheckBox first(&screen, nullptr), left_behind(&screen, nullptr);
    RadioButton radio(&screen, nullptr);
    first.set_position(0, 0);
    left_behind.set_position(0, 100);
    radio.set_position(0, 200);
    screen.add_control(&first);
    screen.add_control(&left_behind);
    screen.add_control(&radio);

    screen.mouse_move(10, 110, 0);
    screen.left_button_down(10, 110, 0);
    screen.left_button_up(10, 110, 0);
    EXPECT_TRUE(left_behind.is_checked());
    screen.clicks.clear();
    screen.mouse_move(10, 10, 0);  // one jump onto the first box
    screen.left_button_down(10, 10, 0);
    screen.left_button_up(10, 10, 0);
    EXPECT_TRUE(first.is_checked());
    EXPECT_TRUE(left_behind.is_checked()) << "flipped by a click on another box";
    EXPECT_EQ(left_behind.state(), CheckBox::kOn);
    ASSERT_EQ(screen.clicks.size(), 1u);
    EXPECT_EQ(screen.clicks[0], &first);

    screen.mouse_move(10, 210, 0);
    EXPECT_EQ(radio.state(), CheckBox::kOffHover);
    screen.mouse_move(10, 10, 0);
    screen.left_button_down(10, 10, 0);
    screen.left_button_up(10, 10, 0);
    EXPECT_FALSE(first.is_checked());
    EXPECT_FALSE(radio.is_checked()) << "checked by a click on another box";
    EXPECT_EQ(radio.state(), CheckBox::kOff);
}

TEST(RadioTest, OnlyAVisibleUncheckedRadioReactsAndTheGroupFollows) {
    RecordingScreen screen;
    RadioButton a(&screen, nullptr), b(&screen, nullptr);
    a.set_position(0, 0);
    b.set_position(100, 0);
    RadioGroup group;
    group.add(&a);
    group.add(&b);
    EXPECT_EQ(group.checked_index(), -1);

    b.set_visible(false);
    EXPECT_FALSE(b.mouse_move(110, 10, 0));
    EXPECT_FALSE(b.left_button_down(110, 10, 0));
    EXPECT_FALSE(b.left_button_up(110, 10, 0));
    EXPECT_EQ(b.state(), CheckBox::kOff);
    EXPECT_TRUE(screen.clicks.empty());

    b.set_visible(true);
    a.set_checked(true);
    EXPECT_EQ(group.checked_index(), 0);
    // A checked radio under the pointer does not toggle off.
    EXPECT_TRUE(a.mouse_move(10, 10, 0));
    EXPECT_FALSE(a.left_button_up(10, 10, 0));
    EXPECT_TRUE(a.is_checked());

    EXPECT_TRUE(b.mouse_move(110, 10, 0));
    EXPECT_TRUE(b.left_button_up(110, 10, 0));
    ASSERT_EQ(screen.clicks.size(), 1u);
    group.uncheck_others(&b);
    EXPECT_FALSE(a.is_checked());
    EXPECT_EQ(group.checked_index(), 1);
}

class EditBoxTest : public ::testing::Test {
  protected:
    EditBoxTest() : box(&screen, nullptr, 20.0f, nullptr) {
        box.set_position(0, 0);
        box.set_key_query([this](int vk) { return held == vk; });
        box.set_clipboard_source([this] { return clipboard; });
    }
    void focus() { ASSERT_TRUE(box.left_button_down(5, 5, 0)); }
    void type(const std::string& s) {
        for (char c : s)
            box.char_typed(static_cast<unsigned char>(c), 1);
    }
    RecordingScreen screen;
    EditBox box;
    int held = 0;
    std::string clipboard;
};

TEST_F(EditBoxTest, TakesCharactersOnlyWhileFocused) {
    type("ab");
    EXPECT_EQ(box.text(), "");
    focus();
    type("ab\x7f\x1f");  // DEL and a control byte are not printable
    EXPECT_EQ(box.text(), "ab");
    // A click elsewhere takes the focus away.
    EXPECT_FALSE(box.left_button_down(500, 500, 0));
    type("c");
    EXPECT_EQ(box.text(), "ab");
    EXPECT_TRUE(screen.clicks.empty());
}

TEST_F(EditBoxTest, AFullBoxKeepsItsLengthWhereverTheCaretIs) {
    focus();
    box.set_text("abcdefghij");
    EXPECT_EQ(box.caret(), 10);
    type("k");
    EXPECT_EQ(box.text(), "abcdefghij");
    EXPECT_EQ(box.caret(), 10);

    for (int i = 0; i < 5; ++i)
        box.key_down(vk::left);
    type("X");
    EXPECT_EQ(box.text(), "abcdeXfghi");
    EXPECT_EQ(box.caret(), 6);

    box.set_text("a much longer text than ten");
    EXPECT_EQ(box.text(), "a much lon");
}

TEST_F(EditBoxTest, DigitsOnlyWithARangeChecksTheNumberWithTheDigitAppended) {
    box.set_digits_only(true);
    box.set_range(1, 75);
    focus();
    type("x0");  // a letter is refused, and 0 is below the range
    EXPECT_EQ(box.text(), "");
    type("7");
    type("6");
    EXPECT_EQ(box.text(), "7");
    type("5");
    EXPECT_EQ(box.text(), "75");
    // The candidate is the text with the digit at its end, not at the caret: "1" + "7" reads 17.
    box.set_text("1");
    box.key_down(vk::home);
    type("7");
    EXPECT_EQ(box.text(), "71");
}

TEST_F(EditBoxTest, EditingKeysMoveTheCaretAndDeleteOnlyWhereThereIsText) {
    focus();
    box.set_text("abc");
    box.key_down(vk::home);
    box.key_down(vk::backspace);
    EXPECT_EQ(box.text(), "abc");
    EXPECT_EQ(box.caret(), 0);
    box.key_down(vk::del);
    EXPECT_EQ(box.text(), "bc");
    EXPECT_TRUE(box.caret_on());

    box.key_down(vk::end);
    EXPECT_EQ(box.caret(), 2);
    box.tick(510);  // the caret blinks off
    const bool before = box.caret_on();
    ASSERT_FALSE(before);
    box.key_down(vk::del);
    box.key_down(vk::right);
    EXPECT_EQ(box.text(), "bc");
    EXPECT_EQ(box.caret(), 2);
    EXPECT_EQ(box.caret_on(), before);

    box.key_down(vk::backspace);
    EXPECT_EQ(box.text(), "b");
    EXPECT_EQ(box.caret(), 1);
    box.key_down(vk::left);
    box.key_down(vk::right);
    EXPECT_EQ(box.caret(), 1);
}

TEST_F(EditBoxTest, CaretBlinksAfterEachPeriod) {
    EXPECT_FALSE(box.caret_on());
    for (int i = 0; i < 16; ++i)
        box.tick(30);  // 480 ms: not yet past the period
    EXPECT_FALSE(box.caret_on());
    box.tick(30);
    EXPECT_TRUE(box.caret_on());
    for (int i = 0; i < 17; ++i)
        box.tick(30);
    EXPECT_FALSE(box.caret_on());
}

TEST_F(EditBoxTest, PasteNeedsItsModifierAndBlanksUnprintableBytes) {
    box.set_max_length(20);
    focus();
    clipboard = "ab\tc\r\nd\xC3\xA9";
    box.key_down('V');  // V alone is no paste
    EXPECT_EQ(box.text(), "");
    held = vk::control;
    box.key_down('V');
    EXPECT_EQ(box.text(), "ab c  d  ");
    EXPECT_EQ(box.caret(), 9);

    box.set_text("");
    held = vk::shift;
    clipboard = "0123456789ABCDEFGHIJKLMN";
    box.key_down(vk::insert);
    EXPECT_EQ(box.text(), "0123456789ABCDEFGHIJ");
    EXPECT_EQ(box.caret(), 20);

    // An empty clipboard pastes nothing; paste skips the digit filter.
    box.set_text("");
    clipboard.clear();
    box.key_down(vk::insert);
    EXPECT_EQ(box.text(), "");
    box.set_digits_only(true);
    clipboard = "x1";
    box.key_down(vk::insert);
    EXPECT_EQ(box.text(), "x1");
}

TEST_F(EditBoxTest, AHiddenBoxTakesNothing) {
    box.set_visible(false);
    EXPECT_FALSE(box.left_button_down(5, 5, 0));
    EXPECT_FALSE(box.mouse_move(5, 5, 0));
    EXPECT_FALSE(box.focused());
}

TEST_F(EditBoxTest, AShorterLimitNeverLetsTheCaretPastTheText) {
    focus();
    box.set_text("abcdefghij");
    box.set_max_length(4);
    box.key_down(vk::backspace);
    EXPECT_EQ(box.text(), "abcdefghi");
    type("z");
    EXPECT_EQ(box.text(), "abcd");
    EXPECT_LE(box.caret(), 4);
    box.key_down(vk::del);
    EXPECT_LE(static_cast<size_t>(box.caret()), box.text().size());
}

TEST(KeyReaderTest, AWaitingReaderTakesTheLowestHeldScanCode) {
    RecordingScreen screen;
    FakeKeyboard kb;
    KeyReader reader(&screen, nullptr, 20.0f, nullptr, &kb.state);
    reader.set_key(30);
    EXPECT_EQ(reader.caption(), "A");

    // Not waiting: a key changes nothing.
    kb.hold({57});
    reader.key_down(vk::space);
    EXPECT_EQ(reader.key(), 30);

    ASSERT_TRUE(reader.left_button_down(10, 10, 0));
    EXPECT_TRUE(reader.waiting());
    kb.hold({205, 57});
    reader.key_down(vk::right);
    EXPECT_EQ(reader.key(), 57);
    EXPECT_EQ(reader.caption(), "SPACE");
    EXPECT_FALSE(reader.waiting());

    // Scroll Lock has no name.
    reader.left_button_down(10, 10, 0);
    kb.hold({dik::scroll_lock});
    reader.key_down(145);
    EXPECT_EQ(reader.key(), 70);
    EXPECT_EQ(reader.caption(), "");

    // A failed poll keeps the old key.
    reader.left_button_down(10, 10, 0);
    kb.keys->read_result = KeyboardState::kInputLost;
    reader.key_down(vk::space);
    EXPECT_EQ(reader.key(), 70);
    EXPECT_FALSE(reader.waiting());

    // A click elsewhere stops waiting.
    reader.left_button_down(10, 10, 0);
    EXPECT_FALSE(reader.left_button_down(300, 10, 0));
    EXPECT_FALSE(reader.waiting());
}

TEST(KeyReaderTest, KeyNames) {
    EXPECT_STREQ(key_name(2), "1");
    EXPECT_STREQ(key_name(11), "0");
    EXPECT_STREQ(key_name(16), "Q");
    EXPECT_STREQ(key_name(38), "L");
    EXPECT_STREQ(key_name(50), "M");
    EXPECT_STREQ(key_name(68), "F10");
    EXPECT_STREQ(key_name(43), "\\");
    EXPECT_STREQ(key_name(221), "Application");
    for (int unnamed : {-1, 0, 1, 28, 70, 156, 222, 255, 256})
        EXPECT_STREQ(key_name(unnamed), "") << unnamed;
}

}  // namespace
