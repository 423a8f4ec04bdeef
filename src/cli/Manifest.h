#pragma once

#include "backup/Manifest.h"

namespace nimbrel::cli {

// The backup's manifest, as nimbrel-cli has always named it.
using backup::logoFileName;
using backup::Manifest;
using backup::ManifestFile;
using backup::manifestJson;
using backup::ManifestRead;
using backup::markFileName;
using backup::modelFamily;
using backup::parseManifest;
using backup::sha256Hex;

} // namespace nimbrel::cli
