#pragma once

#include "base/files.h"

#include <QString>

// Access rights of files and folders through the POSIX ACL tool setfacl.
//
// The seven rights map to ACL permissions: read r, write w, list_folder r and x on folders, read_ex r x,
// change r w x, profile r w x, full r w x. The user "@@EVERYONE@@" stands for everybody else (the ACL's
// "other" entry); any other name is a user entry. "set" makes the user's entry exactly the permissions
// of the rights, "grant" adds them to the entry, "revoke" takes them away (an entry left without
// permissions is removed).

// The names of the rights in the set, in bit order, joined by ",".
QString BSAccessRightsText(TBSAccessRights rights);

// The access tool: setfacl found on the search path, or the file set with BSSetAccessTool (empty:
// search again).
QString BSAccessTool();
void BSSetAccessTool(const QString &path);

// Changes the access list of a path; action is "set", "grant" or "revoke". An empty user is an assertion
// error ("Ungültiger User"), as is a missing tool ("setfacl nicht vorhanden."). Answers whether every
// change succeeded; false for a user name that cannot be written into an ACL entry.
bool BSChangeAccess(const QString &path, const QString &action, const QString &user, TBSAccessRights rights,
                    bool recursive);
