// The text fields of the Win32 binding: the typing limit holds for what the user types or
// pastes and never for what the program writes, a read-only field refuses typing but lets
// its text be selected and copied, and the two looks answer with their system brushes.

#include "binding_rows.h"
#include "window_fixture.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;
using Fields = WindowTest;

class TypingLimit : public WindowTest, public ::testing::WithParamInterface<LimitRow> {};

TEST_P(TypingLimit, RefusesTheCharacterPastTheLimit)
{
    const LimitRow& row = GetParam();
    window->setLook(fieldNamed(row.field), Look::Editable);
    typeInto(row.field, std::string(static_cast<std::size_t>(row.limit) + 1, '1'));
    EXPECT_EQ(text(row.field), std::string(static_cast<std::size_t>(row.limit), '1'));
}

INSTANTIATE_TEST_SUITE_P(EveryLimitedField, TypingLimit, ::testing::ValuesIn(limitRows), rowName);

TEST_F(Fields, TheCoordinatesTakeThirtyTypedCharacters)
{
    const std::string thirty = "123456789012345678901234567890";
    for (const char* name : {"txtX", "txtY", "txtZ"}) {
        SCOPED_TRACE(name);
        window->setLook(fieldNamed(name), Look::Editable);
        typeInto(name, thirty);
        EXPECT_EQ(text(name), thirty);
    }
}

TEST_F(Fields, TheFifthCharacterTypedIntoThePitchIsRefused)
{
    typeInto("txtPitch", "-45.5");
    EXPECT_EQ(text("txtPitch"), "-45.");
}

class PasteIntoPitch : public WindowTest, public ::testing::WithParamInterface<PasteRow> {};

TEST_P(PasteIntoPitch, KeepsOnlyWhatFitsTheTypingLimit)
{
    const PasteRow& row = GetParam();
    click("txtPitch");
    press('A', {VK_CONTROL});
    if (!row.selectAll)
        press(VK_BACK);
    setClipboardText(row.pasted);
    press('V', {VK_CONTROL});
    EXPECT_EQ(text("txtPitch"), row.shown);
}

INSTANTIATE_TEST_SUITE_P(Paste, PasteIntoPitch, ::testing::ValuesIn(pasteRows), rowName);

TEST_F(Fields, AProgramsWriteIsNeverCutAndCanStillBeShortenedByTheUser)
{
    window->setText(TextField::txtPitch, "-45.0");
    window->setText(TextField::txtCalcHeading, "126.869897645844");
    EXPECT_EQ(text("txtPitch"), "-45.0");
    EXPECT_EQ(text("txtCalcHeading"), "126.869897645844");
    EXPECT_EQ(window->text(TextField::txtPitch), "-45.0");

    click("txtPitch");
    press(VK_END);
    press(VK_BACK);
    EXPECT_EQ(text("txtPitch"), "-45.");
    type("1");
    EXPECT_EQ(text("txtPitch"), "-45.") << "once within the limit, the limit holds again";
}

TEST_F(Fields, AReadOnlyFieldRefusesTypingButTakesTheFocusAndItsTextCanBeCopied)
{
    window->setLook(TextField::txtHeading, Look::ReadOnly);
    click("txtHeading");
    EXPECT_EQ(focusedName(), "txtHeading");
    type("12");
    EXPECT_EQ(text("txtHeading"), "90.0");

    setClipboardText("nothing copied");
    press('A', {VK_CONTROL});
    DWORD start = 1, end = 0;
    SendMessageW(control("txtHeading"), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0U);
    EXPECT_EQ(end, 4U);
    press('C', {VK_CONTROL});
    EXPECT_EQ(clipboardText(), "90.0");
}

// Click a field, type, Tab away and click the same spot at once: a double click, which takes
// the focus as a single click does and selects the word under the pointer, "30", which the
// new text replaces.
TEST_F(Fields, AFieldClickedAgainAtOnceAfterTabTakesWhatIsTypedNext)
{
    const UINT doubleClickTime = GetDoubleClickTime();
    SetDoubleClickTime(5000);  // however slow the machine, the second click is a double click
    typeInto("txtPitch", "30");
    press(VK_TAB);
    click("txtPitch");
    type("12");
    SetDoubleClickTime(doubleClickTime);
    EXPECT_EQ(text("txtPitch"), "12");
    EXPECT_EQ(text("txtHeading"), "90.0");
}

struct LookRow {
    const char* name;
    Look look;
    int systemColour;  // COLOR_WINDOW is 5, COLOR_BTNFACE 15
};

class Looks : public WindowTest, public ::testing::WithParamInterface<LookRow> {};

TEST_P(Looks, TheFieldIsPaintedWithTheSystemBrushOfItsLook)
{
    const LookRow& row = GetParam();
    window->setLook(TextField::txtHeading, row.look);
    HDC dc = GetDC(control("txtHeading"));
    for (UINT message : {WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC}) {
        const LRESULT brush = SendMessageW(window->handle(), message, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(control("txtHeading")));
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(row.systemColour)) << "message " << message;
    }
    ReleaseDC(control("txtHeading"), dc);
}

INSTANTIATE_TEST_SUITE_P(
    EditableOrReadOnly, Looks,
    ::testing::Values(LookRow{"AnEditableFieldOnTheWindowColour", Look::Editable, 5},
                      LookRow{"AReadOnlyFieldOnTheButtonFace", Look::ReadOnly, 15}),
    rowName);

}  // namespace
}  // namespace lumetra::ui::test
