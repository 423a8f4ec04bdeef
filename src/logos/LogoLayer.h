#pragma once

// Logos: the logo editor, its files and its transfer.
namespace nimbrel::logos {}
