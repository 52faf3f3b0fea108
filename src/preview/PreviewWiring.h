#pragma once
// Connects Reload (menu item and button), Local Preview and Select Web Browser to the preview
// commands. The main window keeps what this returns to tell the Reload button about its
// documents.

#include "preview/PreviewCommands.h"

#include <memory>

std::unique_ptr<PreviewCommands> wirePreviewCommands(CommandRouter& router, DialogHost& host, PreviewServices services);
