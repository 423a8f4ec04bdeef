#pragma once

// Marks: the mark table, its files and its transfer.
namespace nimbrel::marks {}
