#pragma once

class Speech;

// Loads the character "Merlin" (Japanese, 0x411) for the settings dialog and the label-creation
// window; one character serves the whole program. When the speech engine cannot be used, shows
// why and how to install it, and gives nullptr.
Speech* LoadSpeakingCharacter();
