#pragma once

class AppContext;
class MainWindow;

// What a toolbar click does after the page control has been shown: the
// section's password check where the settings ask for one, switching to the
// page, and filling the section the first time it is entered.
class SectionEntry {
public:
    SectionEntry(AppContext& ctx, MainWindow& window) : ctx_(ctx), window_(window) {}

    void Enter(int position);

private:
    AppContext& ctx_;
    MainWindow& window_;
};
