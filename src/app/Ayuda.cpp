#include "app/Ayuda.h"

std::string TextoAyuda() {
  return
      "Uso: ut_vorna [--help | --version | <cadena de lanzamiento>]\n"
      "\n"
      "Unificador de datos V.E.L.T.A. / Vorna: genera los archivos VTA, STK, PDV y RTA\n"
      "(ventas, stock, puntos de venta y rutas) de un paquete numerado.\n"
      "\n"
      "Cadena de lanzamiento: items \"@Clave=valor;\" en cualquier orden:\n"
      "  @Server=<servidor>       servidor SQL Server (\"sqlite\": base embebida; \"#\" delante: Oracle)\n"
      "  @DbName=<base>           base de datos (con sqlite: ruta del archivo)\n"
      "  @Usuario=<usuario>       usuario de la base\n"
      "  @Password=<clave>        clave del usuario\n"
      "  @ParametroAdicional=1    ejecucion desatendida (sin ventanas)\n"
      "  @UsuarioLogeado=<nombre> @Menu=<menu> @Caja=<caja, 1 si falta>\n"
      "Ejemplo: ut_vorna \"@Server=sqlite; @DbName=/datos/erp.sqlite; @Usuario=ana; @ParametroAdicional=1;\"\n"
      "\n"
      "Modos: sin @ParametroAdicional=1 muestra la ventana principal; con el, genera los\n"
      "cuatro archivos de los ultimos cuatro dias en la carpeta guardada y termina.\n"
      "\n"
      "Estados de salida:\n"
      "  0  exito (todos los archivos elegidos entregados; ventana cerrada)\n"
      "  2  opcion desconocida\n"
      "  3  ya se ejecuta otra copia del programa\n"
      "  4  no se pudo abrir la conexion a la base de datos\n"
      "  5  al menos un archivo no se entrego\n"
      "  6  modo con ventana pedido sin pantalla disponible\n";
}
