// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's files are when it is installed: the read-only data in
// <prefix>/share/vostrane beside <prefix>/bin, and the user's own files
// (session file and its backup, name file, control file, everything the
// program writes) in $XDG_DATA_HOME/vostrane (~/.local/share/vostrane when
// the variable is unset or not absolute).
//
// Every reader opens its file by its bare name in the working folder, so an
// installed program works in the user's folder, which holds a symbolic link
// to each read-only file of the installation (refreshed at every start, so
// an updated package is read at once) and a copy of each default the
// program writes back (made once, at the first start). A program that runs
// from a build folder (its data beside it) keeps working there.
#pragma once

#include <optional>
#include <string>

namespace vostrane {

// The installation's data folder for a program in `programFolder`, or
// nullopt when the program runs from a folder that holds its data itself.
std::optional<std::string> InstalledDataFolder(const std::string& programFolder);

// $XDG_DATA_HOME/vostrane, or $HOME/.local/share/vostrane; empty when
// neither variable gives an absolute folder.
std::string UserDataFolder();

// Files of the installation the user changes: copied, never linked.
bool IsUserDefaultFile(const std::string& name);

// Creates `userFolder` (and its parents) when missing, links every other
// file of `dataFolder` into it, copies the defaults the user has not got
// yet and removes links into the installation that lead nowhere. Files the
// user has of their own under a data file's name are left alone. False
// with `error` (naming the folder or file and the reason) when the folder
// cannot be made or filled.
bool PrepareUserFolder(const std::string& dataFolder, const std::string& userFolder, std::string& error);

// The folder of the running program (/proc/self/exe); empty when unknown.
std::string ProgramFolder();

// The whole start of an installed program: when it runs from an
// installation, prepares the user's folder and makes it the working folder.
// Returns false with `error` set when that fails; true (and does nothing)
// for a program that runs from a folder with its own data.
bool EnterUserFolderWhenInstalled(std::string& error);

}  // namespace vostrane
