#pragma once
// Root may write any file whatever its mode, and CI runs the tests as root; a player may not.
// Permission cases therefore run their save as an ordinary user.

#include <functional>
#include <string>
#include <sys/types.h>

bool startedAsRoot();

// Who runs the scenario: nobody when started as root, else whoever runs the tests.
uid_t ordinaryUid();
gid_t ordinaryGid();

// Runs `scenario` as that user. As root it runs in a child process that has become nobody,
// its answer coming back as the exit status; a child that cannot become nobody fails the test.
bool runAsOrdinaryUser(const std::function<bool()>& scenario);

// Makes the file, folder or link (not what it points to) that user's.
void giveToOrdinaryUser(const std::string& path);
