#pragma once

class QMessageBox;

// A message box is as wide as its text and buttons; its window title does not widen it beyond a small
// allowance, so a short text under a longer title ("Restored successfully" under "Device restore") leaves
// a window manager too little room, and it cuts the title ("Devi... store"). This gives the box a minimum
// width for its title in a bold title font, beside the frame's icon and its three buttons.
class MessageBoxTitleRoom
{
public:
    // Call after the title is set and before the box is shown.
    static void apply(QMessageBox* pBox);
    // The width the box needs for its title.
    static int widthFor(const QMessageBox* pBox);
};
