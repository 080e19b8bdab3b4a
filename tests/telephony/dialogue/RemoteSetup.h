#pragma once

// The settings every dialogue test starts from: the answering machine, its remote playback and
// remote operation on, the passwords "1234" (playback) and "99" (operation), Play "1" and Skip "2".
void writeRemoteSettings();
// The system prompts a call in the tests hears, each a short tone.
void writeShortPrompts(double seconds);
