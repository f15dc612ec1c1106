#pragma once

namespace tarvelo {

// Waits with the busy cursor; the table keeps painting but mouse and keys are ignored.
void PauseFor(int milliseconds);

}  // namespace tarvelo
