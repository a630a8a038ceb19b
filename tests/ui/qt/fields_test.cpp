// The text fields of the Qt binding: the typing limit holds for what the user types or
// pastes and never for what the program writes, a read-only field refuses typing, and the
// two looks take their colours from the desktop's palette.

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "window_description.h"
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
    typeInto(row.field, QString(row.limit + 1, '1'));
    EXPECT_EQ(text(row.field), std::string(static_cast<std::size_t>(row.limit), '1'));
}

INSTANTIATE_TEST_SUITE_P(EveryLimitedField, TypingLimit, ::testing::ValuesIn(limitRows), rowName);

TEST_F(Fields, TheCoordinatesTakeThirtyTypedCharacters)
{
    const QString thirty = "123456789012345678901234567890";
    for (const char* name : {"txtX", "txtY", "txtZ"}) {
        SCOPED_TRACE(name);
        window->setLook(fieldNamed(name), Look::Editable);
        typeInto(name, thirty);
        EXPECT_EQ(text(name), thirty.toStdString());
    }
}

TEST_F(Fields, TheFifthCharacterTypedIntoThePitchIsRefused)
{
    FieldEdit* pitch = edit("txtPitch");
    click(pitch);
    QTest::keyClick(pitch, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(pitch, "-45.5");
    EXPECT_EQ(text("txtPitch"), "-45.");
}

class PasteIntoPitch : public WindowTest, public ::testing::WithParamInterface<PasteRow> {};

TEST_P(PasteIntoPitch, KeepsOnlyWhatFitsTheTypingLimit)
{
    const PasteRow& row = GetParam();
    FieldEdit* pitch = edit("txtPitch");
    click(pitch);
    QTest::keyClick(pitch, Qt::Key_A, Qt::ControlModifier);
    if (!row.selectAll)
        QTest::keyClick(pitch, Qt::Key_Backspace);
    QApplication::clipboard()->setText(row.pasted);
    QTest::keyClick(pitch, Qt::Key_V, Qt::ControlModifier);
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

    FieldEdit* pitch = edit("txtPitch");
    click(pitch);
    QTest::keyClick(pitch, Qt::Key_End);
    QTest::keyClick(pitch, Qt::Key_Backspace);
    EXPECT_EQ(text("txtPitch"), "-45.");
    QTest::keyClicks(pitch, "1");
    EXPECT_EQ(text("txtPitch"), "-45.") << "once within the limit, the limit holds again";
}

TEST_F(Fields, AReadOnlyFieldRefusesTypingButTakesTheFocus)
{
    window->setLook(TextField::txtHeading, Look::ReadOnly);
    click(edit("txtHeading"));
    EXPECT_EQ(focusedName(), "txtHeading");
    QTest::keyClicks(edit("txtHeading"), "12");
    EXPECT_EQ(text("txtHeading"), "90.0");
}

TEST_F(Fields, TheTwoLooksTakeTheirColoursFromThePalette)
{
    const QColor windowBackground = QApplication::palette().color(QPalette::Base);
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    ASSERT_NE(windowBackground, buttonFace) << "the two looks must be told apart";
    window->setLook(TextField::txtHeading, Look::ReadOnly);
    EXPECT_EQ(edit("txtHeading")->palette().color(QPalette::Base), buttonFace);
    window->setLook(TextField::txtHeading, Look::Editable);
    EXPECT_EQ(edit("txtHeading")->palette().color(QPalette::Base), windowBackground);
    EXPECT_FALSE(edit("txtHeading")->isReadOnly());
}

}  // namespace
}  // namespace lumetra::ui::test
