#pragma once

#include <QPalette>
#include <QString>

#include <memory>

class QStyle;

// Skins every window of the program. Stands where a vendor's skinning
// library stood: prepared on the first valid apply, SkinAttach puts a skin
// on, SkinAdjustHSV shifts its colours, SkinDetach brings back the look the
// program started with.
class SkinEngine {
public:
    SkinEngine();
    ~SkinEngine();

    // Skin n (1..129) with hue h (-180..180) and saturation s (-100..100);
    // any other n does nothing at all.
    void ApplySkin(int n, int h, int s);
    void SkinDetach();

    bool loaded() const { return loaded_; }
    int attached() const { return attached_; }

private:
    void prepare();
    void SkinAttach(int n);
    void SkinAdjustHSV(int h, int s);

    bool loaded_ = false;
    int attached_ = 0;
    QString originalStyle_;
    QPalette originalPalette_;
};
