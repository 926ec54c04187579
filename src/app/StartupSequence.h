#pragma once

class AppContext;
class SkinEngine;

// Run once when the main window has been created: report a missing or broken
// database, load the settings, apply the stored skin, ask the login password
// when the settings demand it, and run the automatic backup check.
// False when the operator cancelled the login: the program then ends.
bool RunStartupSequence(AppContext& ctx, SkinEngine& skins);
