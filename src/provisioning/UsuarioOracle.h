#pragma once
// The statistics user on Oracle: one script that creates the user, grants
// it the suite's roles with admin option, makes DBA and CONNECT its
// default roles and lets it run the listed system packages. The database
// object's Oracle path cuts it into single statements at "CREATE ",
// "GRANT " and "ALTER ".
#include <string>

std::string GuionUsuarioOracle(const std::string& usuario, const std::string& clave);
