#pragma once
// The one way tests get a main form: a program folder in a temporary directory, scripted ports, and the form over
// them. The form is made on demand so that a test can first write the settings file or choose the data service.
#include "app/MainForm.h"
#include "jv/NullJvLink.h"
#include "platform/UiThread.h"
#include "support/ScriptedPorts.h"
#include "support/TempDir.h"

#include <filesystem>
#include <memory>

namespace renoka::test {

struct FormFixture {
    TempDir dir;
    ScriptedDesktop desktop;
    FakeClock clock;
    FakeSoundPlayer sound;
    NullJvLink nullJvLink;
    NoRegistry noRegistry;
    PostedTasks uiThread;
    std::unique_ptr<TMainForm> form;

    explicit FormFixture(const char* japanNow = "2026-12-08 09:00:00") : clock(japanNow) {}
    virtual ~FormFixture() { form.reset(); }
    FormFixture(const FormFixture&) = delete;
    FormFixture& operator=(const FormFixture&) = delete;

    // The form (made first with the defaults when there is none yet).
    TMainForm& main() {
        if (!form) makeForm();
        return *form;
    }
    // Makes the form anew over `jvLink` (default: a data service that has nothing) and `registry`, in `home`
    // (default: the temporary folder). Nothing of it runs yet: FormCreate is the test's to call.
    TMainForm& makeForm(JvLink* jvLink = nullptr, const Registry* registry = nullptr,
                        const std::filesystem::path& home = {}) {
        form.reset();
        form = std::make_unique<TMainForm>(home.empty() ? dir.path() : home, ports(jvLink, registry));
        return *form;
    }
    MainFormPorts ports(JvLink* jvLink = nullptr, const Registry* registry = nullptr) {
        return MainFormPorts{desktop, clock, sound, jvLink ? *jvLink : nullJvLink, registry ? *registry : noRegistry,
                             uiThread};
    }
    RaceDayStore& store() { return main().store(); }
};

} // namespace renoka::test
