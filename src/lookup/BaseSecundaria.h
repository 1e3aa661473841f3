#pragma once
// The second database object a list lookup may read its rows through
// (UsarUDBC), apart from the shared one, so that a long read does not hold
// the shared connection. It opens, on first use, the database the shared
// object is connected to, as the same user.
class DB_Dll;

DB_Dll& BaseSecundariaConsultas();
