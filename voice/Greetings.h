#pragma once

#include <QString>

// The two greetings: 0 for every incoming call, 1 for the answering machine. Each is a text in
// [Reception] Reception0/1 spoken by the character into "\Ans\Reception0.wav"/"Reception1.wav".
QString greetingPath(int index);
QString defaultGreetingText(int index);
// The stored text, or the shipped one when none is stored yet.
QString greetingText(int index);

// Records greeting index from text and stores the text. Shows what went wrong; false then.
bool RecordGreeting(int index, const QString& text);
