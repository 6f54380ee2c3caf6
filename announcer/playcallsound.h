// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which voice file speaks which call, and playing it through the media control.

#include <QString>

class MediaControl;

// The fixed text for a number 1 to 75, "/audio/b1.wav" to "/audio/o75.wav"; empty otherwise.
QString voiceFileText(int number);

// The folder that holds the program's executable.
QString programFolder();

// The caller's language: the folder of its voice files inside audio/ ("es", "pt_BR", ...),
// empty for the English voice in audio/ itself.
void setVoiceLanguage(const QString& language);

// The file that speaks a number 1 to 75: the program folder and its fixed text, or for another
// language its file in that language's folder. A call whose file is missing there, or cannot
// be played, is spoken by the English file. Empty for any other number.
QString voiceFile(int number);

// Names the number's voice file (voiceFile) on the control, then sends "sound". A number
// outside 1 to 75 keeps the earlier file name and still sends "sound". A missing control (its
// window closed) plays nothing.
void PlayCallSound(int number, MediaControl* control);
