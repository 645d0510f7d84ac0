// SPDX-License-Identifier: MIT
// The application: finds the profile, creates the main window and runs until it
// closes.
#pragma once

#include <QApplication>
#include <memory>

#include "arguments.h"
#include "profile.h"

namespace tevrimo {

class MainDialog;

class ConverterApp {
  public:
    ConverterApp(int& argc, char** argv);
    ~ConverterApp();

    // Creates and shows the window, at `start` when it names a page.
    [[nodiscard]] bool InitInstance(const StartPoint& start = {});
    int Run();

  private:
    void CloseOnTerminate();

    QApplication m_app;
    Profile m_profile;
    std::unique_ptr<MainDialog> m_window;
};

// True when a display can be opened (or another Qt platform was asked for); otherwise
// tells the user on stderr.
[[nodiscard]] bool DisplayAvailable(const char* programName);

}  // namespace tevrimo
