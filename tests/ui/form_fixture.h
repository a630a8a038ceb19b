#pragma once

// The window's handlers on the in-memory window, driven as a binding drives them: clicks,
// button presses and fields being left. The form is traced, so a test can see which
// handlers ran, with the value of their own box on entry, and how they nested:
// "chkNatSX_Click(0){chkBajaStuntEnduro_Click(1){}}".

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "frm_lumetra.h"
#include "memory_window.h"
#include "row_names.h"

namespace lumetra::ui::test {

using testing::EventLog;
using testing::MemoryWindow;

class TracedForm : public FrmLumetra {
public:
    explicit TracedForm(MemoryWindow& window) : FrmLumetra(window), window_(window) {}

    std::string trace;

    void chkArmadillo2Max_Click() override { traced(CheckBox::chkArmadillo2Max, [this] { FrmLumetra::chkArmadillo2Max_Click(); }); }
    void chkMax2Armadillo_Click() override { traced(CheckBox::chkMax2Armadillo, [this] { FrmLumetra::chkMax2Armadillo_Click(); }); }
    void chkNatSX_Click() override { traced(CheckBox::chkNatSX, [this] { FrmLumetra::chkNatSX_Click(); }); }
    void chkBajaStuntEnduro_Click() override { traced(CheckBox::chkBajaStuntEnduro, [this] { FrmLumetra::chkBajaStuntEnduro_Click(); }); }
    void chkUseObjectScale_Click() override { traced(CheckBox::chkUseObjectScale, [this] { FrmLumetra::chkUseObjectScale_Click(); }); }

private:
    void traced(CheckBox box, const std::function<void()>& handler)
    {
        trace += std::string(nameOf(box)) + "_Click(" + std::to_string(numberOf(window_[box])) + "){";
        handler();
        trace += "}";
    }

    MemoryWindow& window_;
};

// The three layouts of the direction boxes and the object-scale option.
enum class Layout { ArmadilloByGridSize, ArmadilloByObjectScale, MaxToArmadillo };

class FormTest : public ::testing::Test {
protected:
    // Clicks the boxes of the freshly opened window so that it shows the layout.
    void switchTo(Layout layout)
    {
        if (layout == Layout::MaxToArmadillo)
            form.boxClicked(CheckBox::chkMax2Armadillo);
        else if (layout == Layout::ArmadilloByObjectScale)
            form.boxClicked(CheckBox::chkUseObjectScale);
        form.trace.clear();
        log.clear();
    }

    EventLog log;
    MemoryWindow window{&log};
    TracedForm form{window};
};

}  // namespace lumetra::ui::test
