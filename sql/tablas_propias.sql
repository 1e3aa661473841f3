-- Tables owned by the program's own services, for the embedded (SQLite)
-- database. Declared types are those the embedded engine maps to ADO
-- types; dates are stored as ISO text "yyyy-mm-dd hh:mm:ss".
-- Key columns that the program compares as text carry COLLATE NOCASE,
-- as the ERP's server collation ignores case.

-- Configuration store: one row per key.
CREATE TABLE IF NOT EXISTS TA_CONFIGURACION (
  CLAVE varchar(100) NOT NULL COLLATE NOCASE PRIMARY KEY,
  VALOR varchar(500) NULL,
  VALORAUX varchar(500) NULL,
  GRUPO varchar(50) NULL,
  POLITICANEGOCIO bit NOT NULL DEFAULT 0
);

-- Window state saved per window and user; rows are read in id order.
CREATE TABLE IF NOT EXISTS TA_CONFIG_FORM (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  FORMULARIO varchar(100) NOT NULL COLLATE NOCASE,
  USUARIO varchar(50) NULL COLLATE NOCASE,
  TIPOOBJETO varchar(50) NULL COLLATE NOCASE,
  NOMBRE varchar(50) NULL COLLATE NOCASE,
  PROPIEDAD varchar(50) NULL COLLATE NOCASE,
  DATAFIELD varchar(50) NULL COLLATE NOCASE,
  VALOR varchar(8000) NULL
);
CREATE INDEX IF NOT EXISTS IX_TA_CONFIG_FORM_FORMULARIO ON TA_CONFIG_FORM (FORMULARIO, USUARIO);

-- One row per failed update batch. Fecha holds the time as formatted text.
CREATE TABLE IF NOT EXISTS AUX_ERR (
  Id INTEGER PRIMARY KEY AUTOINCREMENT,
  Proceso varchar(50) NULL,
  Fecha varchar(20) NULL,
  Error int NULL,
  Descripcion varchar(250) NULL,
  SQL varchar(8000) NULL,
  PC varchar(50) NULL,
  Usuario varchar(50) NULL
);

-- Access log: one row per program start.
CREATE TABLE IF NOT EXISTS Control_Acceso (
  Id INTEGER PRIMARY KEY AUTOINCREMENT,
  Maquina varchar(50) NULL,
  Usuario varchar(50) NULL,
  Formulario varchar(50) NULL,
  Tarea varchar(100) NULL,
  Ingreso datetime NULL,
  NombreUsuario varchar(50) NULL
);

-- Database users of the suite.
CREATE TABLE IF NOT EXISTS TA_USUARIOS (
  Nombre varchar(50) NOT NULL COLLATE NOCASE PRIMARY KEY,
  Administrador int NOT NULL DEFAULT 0,
  Unegocio varchar(4) NULL,
  verproforma bit NOT NULL DEFAULT 0
);

-- Menu entries and the tasks granted to each user.
CREATE TABLE IF NOT EXISTS TA_MENU (
  Clave varchar(20) NOT NULL COLLATE NOCASE PRIMARY KEY,
  Nombre varchar(100) NULL,
  Proceso varchar(100) NULL
);
CREATE TABLE IF NOT EXISTS TA_TAREAS (
  USUARIO varchar(50) NOT NULL COLLATE NOCASE,
  TAREA varchar(20) NOT NULL COLLATE NOCASE,
  PRIMARY KEY (USUARIO, TAREA)
);

-- Cash boxes; codes are stored right-aligned to 4 ("   1").
CREATE TABLE IF NOT EXISTS V_TA_Cajas (
  IdCajas varchar(4) NOT NULL COLLATE NOCASE PRIMARY KEY,
  Descripcion varchar(50) NULL
);
-- Restricted counterpart read by users who are not administrators.
CREATE VIEW IF NOT EXISTS SS_V_TA_CAJAS AS SELECT IdCajas, Descripcion FROM V_TA_Cajas;

-- Stock shortages reported from the article lookup.
CREATE TABLE IF NOT EXISTS V_MV_FALTANTES (
  Id INTEGER PRIMARY KEY AUTOINCREMENT,
  FechaHora datetime NULL,
  IdArticulo varchar(25) NULL,
  Descripcion varchar(100) NULL,
  Usuario varchar(50) NULL
);
