#include "WizardTestSupport.h"
#include "backends/qt/uninstaller/Wizard.h"
#include "backends/qt/uninstaller/WizardDialog.h"
#include "installer/InstallerTexts.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace Installer {
namespace {

constexpr const char* title = "Pluvo Screen Saver 2.2.17";

// A page with nothing to do, which may be left only when it says so.
class PlainPage : public WizardPage {
public:
    PlainPage(QWidget* parent, bool& mayLeave) : WizardPage(parent), mayLeave_(mayLeave) {}
    bool mayLeave() override { return mayLeave_; }

private:
    bool& mayLeave_;
};

class WizardFlowTest : public ::testing::Test {
protected:
    WizardFlowTest() {
        for (int page = 0; page < 2; ++page) {
            wizard.addPage([this](QWidget* parent, IWizardPageGUIHost&) {
                ++pagesMade;
                return std::make_unique<PlainPage>(parent, mayLeave);
            });
        }
    }

    Wizard wizard;
    bool mayLeave = true;
    int pagesMade = 0;
};

TEST_F(WizardFlowTest, NextAndBackMoveThroughThePagesAndFinishEndsWithOne) {
    WizardDialog dialog(wizard, title);
    dialog.open();
    EXPECT_EQ(dialog.nextButton().text().toStdString(), text(Text::next));
    EXPECT_TRUE(dialog.nextButton().isEnabled());
    EXPECT_TRUE(dialog.backButton().isEnabled());
    EXPECT_TRUE(dialog.cancelButton().isEnabled());

    mayLeave = false;
    dialog.nextButton().click();
    EXPECT_EQ(wizard.currentIndex(), 0u);
    mayLeave = true;
    dialog.nextButton().click();
    EXPECT_EQ(wizard.currentIndex(), 1u);
    EXPECT_EQ(dialog.nextButton().text().toStdString(), text(Text::finish));
    dialog.backButton().click();
    EXPECT_EQ(wizard.currentIndex(), 0u);
    EXPECT_EQ(dialog.nextButton().text().toStdString(), text(Text::next));
    EXPECT_EQ(pagesMade, 3);

    dialog.nextButton().click();
    dialog.nextButton().click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), WizardDialog::finished);
}

TEST_F(WizardFlowTest, CancelAsksFirstAndYesEndsWithTwo) {
    WizardDialog dialog(wizard, title);
    dialog.open();
    MessageBoxAnswerer answerer({QMessageBox::No, QMessageBox::Yes, QMessageBox::Yes});

    dialog.cancelButton().click();
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), WizardDialog::cancelled);

    ASSERT_EQ(answerer.seen().size(), 2u);
    for (const MessageBoxAnswerer::Seen& seen : answerer.seen()) {
        EXPECT_EQ(seen.caption, title);
        EXPECT_EQ(seen.text.toStdString(), text(Text::interruptQuestion, title));
        EXPECT_EQ(seen.icon, QMessageBox::Warning);
    }
}

} // namespace
} // namespace Installer
