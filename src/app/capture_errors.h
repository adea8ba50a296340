#pragma once
// Capture failures reach the user on the window thread: the capture
// component reports a vanished device or lost input on its capture thread,
// where no message box may be shown and no window touched.

class QObject;
class TALAudioIn;

// The component's errors and warnings are marked handled and shown later
// from `window`'s thread with their own text ("Audio device stopped
// delivering.", "Can't open audio device.", ...). Overrun warnings that
// arrive while one is still waiting to be shown are not repeated.
void ReportCaptureFailuresTo(TALAudioIn* capture, QObject* window);
