// See tooltip_text.h.
#include "ui/tooltip_text.h"

namespace festoon {

const TipText kOptionsTips[] = {
    {1, "Save changes / hide options"},
    {2, "Cancel changes / hide options"},
    {3, "Remove lights && exit"},
    {9, "Help dialog"},
    {10, "Draw bulbs in their own window or on desktop"},
    {11, "Prevents flickering when lights are drawn"},
    {101, "No flashing"},
    {102, "Random flashing"},
    {103, "Bulbs flash in sync"},
    {104, "Bulbs chase in sequence"},
    {105, "Bulbs alternate flashing"},
    {106, "Some bulbs flash"},
    {135, "Allow burned out bulbs"},
    {136, "Allow broken lights"},
    {137, "Some bulbs can be missing"},
    {140, "Select bulb type"},
    {146, "Toggle music on/off"},
    {147, "Put more lights in the string"},
    {148, "Select bulb color(s)"},
    {149, "Select music for playing"},
    {150, "Select bulb flash rate"},
    {153, "Enable screen saver"},
    {154, "Test the screen saver"},
    {155, "Select screen saver"},
    {156, "Apply new settings"},
    {159, "Toggle window zoom effects on/off"},
    {160, "Toggle sound effects on/off"},
    {163, "Show options dialog at startup"},
    {166, "Screen saver setup"},
    {170, "Flash keyboard status lights"},
    {174, "Allow lights to be drawn without hogging CPU time"},
    {400, "Toggle power on/off"},
    {1008, "When random bulbs are selected, checking this option allows the bulb type to be "
           "changed every five minutes."},
    {1021, "Set notifications for calendar events"},
};
const int kOptionsTipCount = sizeof kOptionsTips / sizeof kOptionsTips[0];

const TipText kSaverSetupTips[] = {
    {1, "Save changes"},
    {2, "Ignore changes"},
    {167, "Set timeout"},
    {168, "Mouse movement stops screen saver"},
    {169, "Disallow Windows95 screen saver"},
    {171, "Mouse click stops screen saver"},
};
const int kSaverSetupTipCount = sizeof kSaverSetupTips / sizeof kSaverSetupTips[0];

const char* TipFor(const TipText* table, int count, int id) {
    for (int i = 0; table && i < count; ++i)
        if (table[i].id == id) return table[i].text;
    return "";
}

} // namespace festoon
