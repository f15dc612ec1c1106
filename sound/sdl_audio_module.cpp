// The SDL backend as a module of its own: the program loads it once its window
// is up (LoadAudioModule), so SDL, SDL_mixer and FluidSynth, with the libraries
// they bring, are not loaded before the first paint.
#include "sound/sdl_audio.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT tarvelo::TAudioBackend* TarveloMakeAudio() { return new tarvelo::TSdlAudio(); }
