// SPDX-License-Identifier: MIT
// The application: finds the profile, creates the main window and runs until it
// closes.
#pragma once

#include <QApplication>
#include <memory>

#include "arguments.h"
#include "profile.h"

namespace tevrimo {

class InstanceService;
class MainDialog;

class ConverterApp {
  public:
    ConverterApp(int& argc, char** argv);
    ~ConverterApp();

    // True when the window of an earlier start took `arguments` (a start's, without the
    // program's name) and the launcher's `activationToken`: this start then opens no
    // window and writes no profile. Otherwise this start's window will be the one later
    // starts hand over to.
    [[nodiscard]] bool HandOver(const QStringList& arguments, const QString& activationToken);
    // Creates and shows the window, at `start` when it names a page.
    void InitInstance(const StartPoint& start = {});
    int Run();

  private:
    void CloseOnTerminate();
    // A later start's arguments: the window comes forward at the page they name.
    bool OpenFromAnotherStart(const QStringList& arguments, const QString& activationToken);

    QApplication m_app;
    Profile m_profile;
    std::unique_ptr<MainDialog> m_window;
    std::unique_ptr<InstanceService> m_instance;
};

// True when a display can be opened (or another Qt platform was asked for); otherwise
// tells the user on stderr.
[[nodiscard]] bool DisplayAvailable(const char* programName);

}  // namespace tevrimo
