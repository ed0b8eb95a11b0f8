// The modal dialog of our class layer, on the wizard's own template: what its
// modal loop offers the controls first, which notifications reach a control
// before the dialog, and how the close request and EndDialog end the run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource.h"
#include "support/ui_support.h"
#include "win/Dialog.h"
#include "win/ResourceModule.h"

namespace {

const UINT kProbeMessage = WM_APP + 1;

// A control that records what it is offered; it consumes the probe message in
// PreTranslateMessage and, when asked to, the notifications it is offered.
class RecordingControl : public win::SubclassedWindow {
public:
    bool consumeNotifications = false;
    std::vector<std::string> seen;

    bool PreTranslateMessage(MSG* message) override
    {
        if (message->message != kProbeMessage)
            return false;
        seen.push_back("pretranslate");
        return true;
    }
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT* result) override
    {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
            seen.push_back("notify");
            *result = 0;
            return consumeNotifications;
        }
        return false;
    }

protected:
    bool HandleMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) override
    {
        if (message == kProbeMessage)
            seen.push_back("dispatched");
        return false;
    }
};

// The steps of one run, each posted to the dialog as a WM_APP with its number.
enum Step { ClickBoth = 1, ProbeControl, CloseRequest, EndWith42 };

class ScriptedDialog : public win::Dialog {
public:
    explicit ScriptedDialog(std::vector<Step> steps) : win::Dialog(IDD_SETUP_DIALOG, nullptr), m_steps(steps) {}

    RecordingControl action;
    RecordingControl cancel;
    std::vector<int> commands;
    int cancels = 0;
    bool initialised = false;

protected:
    void DoDataExchange() override
    {
        BindControl(IDC_ACTION, action);
        BindControl(IDCANCEL, cancel);
    }
    BOOL OnInitDialog() override
    {
        win::Dialog::OnInitDialog();
        initialised = true;
        cancel.consumeNotifications = true;
        for (Step step : m_steps)
            PostMessage(WM_APP, step);
        return TRUE;
    }
    void OnCancel() override
    {
        ++cancels;
        win::Dialog::OnCancel();
    }
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_COMMAND)
            commands.push_back(LOWORD(wParam));
        if (message == WM_APP) {
            RunStep(static_cast<Step>(wParam));
            return true;
        }
        return win::Dialog::HandleMessage(message, wParam, lParam, result);
    }

private:
    void RunStep(Step step)
    {
        switch (step) {
        case ClickBoth:
            // A click is a notification from the control to its dialog.
            SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ACTION, BN_CLICKED), reinterpret_cast<LPARAM>(action.Handle()));
            SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel.Handle()));
            break;
        case ProbeControl:
            // The run ends once the modal loop has taken the probe.
            ::PostMessageW(action.Handle(), kProbeMessage, 0, 0);
            PostMessage(WM_APP, EndWith42);
            break;
        case CloseRequest:
            SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case EndWith42:
            EndDialog(42);
            break;
        }
    }

    std::vector<Step> m_steps;
};

class DialogTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_setup = ui_support::LoadSetupResources();
        win::SetResourceModule(s_setup);
    }
    static void TearDownTestSuite()
    {
        win::SetResourceModule(nullptr);
        ::FreeLibrary(s_setup);
    }
    void SetUp() override { ASSERT_NE(s_setup, nullptr); }

    static HMODULE s_setup;
};

HMODULE DialogTest::s_setup = nullptr;

TEST_F(DialogTest, ControlsSeeTheirNotificationsAndMessagesFirst)
{
    ScriptedDialog dialog({ClickBoth, ProbeControl});
    EXPECT_EQ(42, dialog.DoModal());
    EXPECT_TRUE(dialog.initialised);
    // The action button leaves its click to the dialog; the Cancel button
    // consumes its own, so the dialog never ends through it.
    EXPECT_EQ(std::vector<int>{IDC_ACTION}, dialog.commands);
    EXPECT_EQ(0, dialog.cancels);
    EXPECT_EQ((std::vector<std::string>{"notify", "pretranslate"}), dialog.action.seen);
    EXPECT_EQ(std::vector<std::string>{"notify"}, dialog.cancel.seen);
    // The window is gone and the controls have let go of it.
    EXPECT_FALSE(dialog.IsWindow());
    EXPECT_EQ(nullptr, dialog.action.Handle());
}

TEST_F(DialogTest, CloseRequestEndsLikeCancel)
{
    ScriptedDialog dialog({CloseRequest, EndWith42});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(1, dialog.cancels);
}

TEST_F(DialogTest, MissingTemplateFailsTheRun)
{
    win::SetResourceModule(::GetModuleHandleW(nullptr));  // the test program holds no dialog
    ScriptedDialog dialog({});
    EXPECT_EQ(-1, dialog.DoModal());
    win::SetResourceModule(s_setup);
}

}  // namespace
