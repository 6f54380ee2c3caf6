// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which voice file speaks which call, and playing it through the media control.

#include <QString>

class MediaControl;

// The fixed text for a number 1 to 75, "/audio/b1.wav" to "/audio/o75.wav"; empty otherwise.
QString voiceFileText(int number);

// The folder that holds the program's executable.
QString programFolder();

// Names the number's voice file (the program folder followed by its fixed text) on the
// control, then sends "sound". A number outside 1 to 75 keeps the earlier file name and
// still sends "sound". A missing control (its window closed) plays nothing.
void PlayCallSound(int number, MediaControl* control);
