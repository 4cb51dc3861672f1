// The stand-in's automation objects, as a client of iTunes sees them:
//   Application.LibraryPlaylist -> playlist
//   playlist.AddFile(path)      -> operation status (the add runs "in the background")
//   status.InProgress, status.Tracks -> track collection with Count
#pragma once

#include "tests/itunes/standin/dispatch_object.h"

namespace itunes_standin {

// The object that CoCreateInstance of "iTunes.Application" hands out.
DispatchObject* NewApplication();

}  // namespace itunes_standin
