-- Statistics database PX_ESTADISTICAS: the schema the program needs on it.
-- The provisioning runs this script once, with its script runner, on the
-- database it has just created: on SQL Server, or on the embedded engine's
-- file PX_ESTADISTICAS.sqlite beside the main database. It is T-SQL that
-- runs unchanged on both. Lines end in CR LF, as the runner reads them;
-- "GO" ends a batch; lines that begin with "--" are left out.

-- Configuration read and written on the statistics connection (CfgPX,
-- GrabaCfgPX): one row per key, keys matched without regard to case.
CREATE TABLE dbo.TA_CONFIGURACION (
  CLAVE varchar(100) COLLATE Latin1_General_CI_AI NOT NULL PRIMARY KEY,
  VALOR varchar(500) NULL,
  VALORAUX varchar(500) NULL,
  GRUPO varchar(50) NULL,
  POLITICANEGOCIO bit NOT NULL DEFAULT 0
)
GO

-- Command time-out of both connections, in seconds: stored from the start,
-- so that no later start has to write it.
INSERT INTO dbo.TA_CONFIGURACION (GRUPO, CLAVE, VALOR, POLITICANEGOCIO)
SELECT 'BaseDeDatos', 'TIMEOUT', '360', 0
WHERE NOT EXISTS (SELECT * FROM dbo.TA_CONFIGURACION WHERE CLAVE = 'TIMEOUT')
GO
