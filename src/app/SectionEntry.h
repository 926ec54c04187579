#pragma once

class AppContext;
class QString;
class MainWindow;

// What a toolbar click does after the page control has been shown: the
// section's password check where the settings ask for one, switching to the
// page, and filling the section the first time it is entered.
class SectionEntry {
public:
    SectionEntry(AppContext& ctx, MainWindow& window) : ctx_(ctx), window_(window) {}

    void Enter(int position);

private:
    // The section password check: true when the section's entry steps run
    // (no password asked, the right one typed, or the prompt cancelled).
    bool PasswordCheck(const QString* flag, int page, const QString& prompt);

    AppContext& ctx_;
    MainWindow& window_;
};
