// vellumix4: drives the VELLUMiX4 plug-in through the substitute host, the way a
// person drives it in the editor.
#include <CLI/CLI.hpp>

#include <functional>
#include <iostream>

#include "batch.h"
#include "commands/actions.h"
#include "commands/convert.h"
#include "commands/effect.h"
#include "commands/extension.h"
#include "commands/fractalize.h"
#include "commands/gallery.h"
#include "commands/info.h"
#include "commands/inspect.h"
#include "commands/presets.h"
#include "commands/regenerate.h"
#include "commands/run.h"
#include "commands/tool.h"

namespace {

// The files a command works on: one INPUT with -o OUTPUT, or many with
// -O FOLDER, each written there under its own name.
struct Files {
  std::vector<std::string> inputs;
  std::string folder;

  void AddTo(CLI::App* command, const char* what) {
    command->add_option("input", inputs, std::string("SVG file to ") + what + " (- for standard input); several with -O")
        ->required();
    command->add_option("-O,--output-dir", folder,
                        "process every input into this folder (made when missing), each under its own name");
  }

  // Runs `run` on the single input, or on each input into the folder.
  // `single` names the options that only make sense for one file.
  int Run(std::string& input, std::string& output, bool quiet, bool outputOptional, const std::string& single,
          const std::function<int(std::ostream& out, std::ostream& err)>& run) const {
    if (inputs.empty()) {
      std::cerr << "vellumix4: name an input file\n";
      return 2;
    }
    if (folder.empty()) {
      if (inputs.size() != 1) {
        std::cerr << "vellumix4: several input files need -O FOLDER\n";
        return 2;
      }
      if (output.empty() && !outputOptional) {
        std::cerr << "vellumix4: -o OUTPUT is needed (or -O FOLDER)\n";
        return 2;
      }
      input = inputs.front();
      return run(std::cout, std::cerr);
    }
    if (!output.empty()) {
      std::cerr << "vellumix4: -o names one output file; with -O FOLDER each input is written there\n";
      return 2;
    }
    if (!single.empty()) {
      std::cerr << "vellumix4: " << single << " names one file and cannot be used with -O\n";
      return 2;
    }
    return vxcli::RunBatch(
        inputs, folder, quiet,
        [&](const std::string& in, const std::string& out, std::ostream& err) {
          input = in;
          output = out;
          return run(err, err);
        },
        std::cerr);
  }
};

}  // namespace

int main(int argc, char** argv) {
  // Inkscape runs extensions with its own argument style (--name=value for
  // every parameter, the document last); it is read apart from the rest.
  if (argc >= 2 && std::string(argv[1]) == "inkscape")
    return vxcli::RunInkscape(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);

  CLI::App app{"vellumix4 — live vector effects, 3D transforms and distortion tools on SVG files"};
  app.set_version_flag("--version", std::string("vellumix4 ") + VX_VERSION + " (VELLUMiX4 plug-in ver4.5)");
  app.require_subcommand(1);

  vxcli::SessionOptions session;
  auto addSessionOptions = [&](CLI::App* command) {
    command->add_option("--plugin", session.pluginPath, "plug-in file to load (default: beside this program)");
    command->add_option("--host-version", session.hostVersion, "major version the host reports")
        ->check(CLI::Range(1, 99));
    command->add_flag("-v,--verbose", session.verbose, "print the plug-in's debugger output");
    command->add_flag("-q,--quiet", session.quiet, "no progress messages");
  };

  CLI::App* info = app.add_subcommand("info", "load and start the plug-in, show its properties and suites, stop it");
  addSessionOptions(info);

  vxcli::ConvertOptions convertOptions;
  CLI::App* convert = app.add_subcommand("convert", "read an SVG file and write it back the way VELLUMiX4 writes SVG");
  Files convertFiles;
  convertFiles.AddTo(convert, "read");
  convert->add_option("-o,--output", convertOptions.output,
                      "SVG file to write (- for standard output); may be left out with --check");
  convert->add_flag("-q,--quiet", convertOptions.quiet, "no notes about what was read approximately");
  convert->add_flag("--check", convertOptions.check,
                    "render the input and the output with rsvg-convert and report the share of pixels that differ "
                    "(exit 1 beyond 0.5 % of the pixels)");
  convert->add_option("--check-size", convertOptions.checkSize, "width and height of the renderings compared, in pixels")
      ->check(CLI::Range(8, 4096))
      ->capture_default_str();

  std::string inspectInput;
  CLI::App* inspect = app.add_subcommand("inspect", "print the art tree, layers, paints and settings of an SVG file");
  inspect->add_option("input", inspectInput, "SVG file to read (- for standard input)")->required();

  vxcli::PresetsOptions presetsOptions;
  CLI::App* presets = app.add_subcommand("presets", "list, show, save, rename, delete, move, import and export presets");
  presets->add_option("--settings", presetsOptions.settings,
                      "settings folder to work on (default: the user's 'VELLUMiX4 User Settings 2013')");
  presets->add_option("--unit", presetsOptions.unit, "unit of lengths shown and typed: pt, in, cm, mm or q")
      ->capture_default_str();
  presets->require_subcommand(1);
  struct PresetAction {
    const char* name;
    const char* help;
    const char* arguments;
  };
  const PresetAction kPresetActions[] = {
      {"kinds", "list the kinds of presets and their files", nullptr},
      {"list", "list the presets of KIND", nullptr},
      {"show", "show a preset's values in the palette's units", "NAME"},
      {"save", "save the last setting with --set changes under NAME (replacing a preset of that name)", "NAME"},
      {"rename", "rename a user preset", "OLD NEW"},
      {"delete", "delete user presets", "NAME..."},
      {"move", "move a user preset to a position of the list", "NAME POSITION"},
      {"export", "export user presets to another settings folder", "FOLDER NAME..."},
      {"import", "import presets from another settings folder", "FOLDER NAME..."},
  };
  for (const PresetAction& action : kPresetActions) {
    CLI::App* command = presets->add_subcommand(action.name, action.help);
    command->fallthrough();  // --settings and --unit may come after the action
    command->callback([&presetsOptions, name = action.name] { presetsOptions.action = name; });
    if (std::string(action.name) == "kinds") continue;
    command->add_option("kind", presetsOptions.kind, "neon, border, ..., 3d-sphere, ..., warp, ..., fractalize")
        ->required();
    if (action.arguments != nullptr)
      command->add_option("arguments", presetsOptions.arguments, action.arguments)->required();
    if (std::string(action.name) == "save")
      command->add_option("--set", presetsOptions.sets, "FIELD=VALUE in the palette's units (repeatable)");
  }

  vxcli::EffectOptions effectOptions;
  CLI::App* effect = app.add_subcommand(
      "effect", "apply a live effect to an SVG file: the values go into its palette, then \"Apply\" is pressed");
  // With an effect named, --help lists that effect's fields.
  effect->set_help_flag();
  effect->add_flag("-h,--help", effectOptions.fields, "this help, or with an effect its fields, units and ranges");
  effect->add_option("effect", effectOptions.effect, "the effect (see --list)");
  Files effectFiles;
  effect->add_option("input", effectFiles.inputs, "SVG file to read (- for standard input); several with -O");
  effect->add_option("-O,--output-dir", effectFiles.folder,
                     "process every input into this folder (made when missing), each under its own name");
  effect->add_option("-o,--output", effectOptions.output, "SVG file to write (- for standard output)");
  effect->add_option("--set", effectOptions.sets, "FIELD=VALUE as typed into the palette (repeatable)");
  effect->add_option("--preset", effectOptions.preset, "a preset of the effect, chosen before the --set values");
  effect->add_flag("--last", effectOptions.last,
                   "start from the palette's last setting (default: from the default setting, so runs repeat)");
  effect->add_option("--select", effectOptions.select, "ids of the elements to select (default: every object)")
      ->expected(1, -1);
  effect->add_flag("--expand", effectOptions.expand, "write plain art instead of live objects");
  effect->add_option("--png", effectOptions.png, "also render the result to this PNG file");
  effect->add_option("--record", effectOptions.record, "record the Apply as an action into this file (see: actions play)");
  effect->add_option("--record-session", effectOptions.recordSession,
                     "write what was done, event by event, as a session file (see: run)");
  effect->add_flag("--list", effectOptions.list, "list the effects");
  effect->add_option("--plugin", effectOptions.session.pluginPath, "plug-in file to load (default: beside this program)");
  effect->add_flag("-v,--verbose", effectOptions.session.verbose, "print the plug-in's debugger output");
  effect->add_flag("-q,--quiet", effectOptions.session.quiet, "no progress messages");

  vxcli::FractalizeOptions fractalizeOptions;
  CLI::App* fractalize = app.add_subcommand(
      "fractalize",
      "Fractalize the selected paths: the values go into the dialog of the filter (or, with --live, of the live "
      "effect), then OK is pressed. Fields: generator (1-14 or its name), genHeight (percent), level (1-14), "
      "density (segments per inch, 0: no distortion), uneven (amount), unevenUnit (% or pt)");
  Files fractalizeFiles;
  fractalizeFiles.AddTo(fractalize, "read");
  fractalize->add_option("-o,--output", fractalizeOptions.output, "SVG file to write (- for standard output)");
  fractalize->add_flag("--live", fractalizeOptions.live, "apply the live effect: the output keeps the source and the settings");
  fractalize->add_option("--set", fractalizeOptions.sets, "FIELD=VALUE as typed into the dialog (repeatable)");
  fractalize->add_option("--seed", fractalizeOptions.seed, "start the random sequence from N (the tick count it is taken from)")
      ->check(CLI::Range(1u, 4294967295u));
  fractalize->add_option("--select", fractalizeOptions.select, "ids of the elements to select (default: everything)")
      ->expected(1, -1);
  fractalize->add_option("--png", fractalizeOptions.png, "also render the result to this PNG file");
  fractalize->add_option("--record", fractalizeOptions.record, "record the filter as an action into this file");
  fractalize->add_option("--plugin", fractalizeOptions.session.pluginPath, "plug-in file to load (default: beside this program)");
  fractalize->add_flag("-v,--verbose", fractalizeOptions.session.verbose, "print the plug-in's debugger output");
  fractalize->add_flag("-q,--quiet", fractalizeOptions.session.quiet, "no progress messages");

  vxcli::ToolOptions toolOptions;
  CLI::App* tool = app.add_subcommand("tool", "use a distortion tool on an SVG file: press, drag through points, release");
  tool->add_option("tool", toolOptions.tool, "warp, wave, lens, craft, roughening, broom, metabrush, trail")->required();
  Files toolFiles;
  toolFiles.AddTo(tool, "read");
  tool->add_option("-o,--output", toolOptions.output, "SVG file to write (- for standard output)");
  tool->add_option("--drag", toolOptions.drag, "points X,Y in the file's coordinates: press at the first, release at the last")
      ->required()
      ->expected(1, -1);
  tool->add_flag("--alt", toolOptions.alt, "hold Alt during the drag");
  tool->add_flag("--shift", toolOptions.shift, "hold Shift during the drag");
  tool->add_flag("--ctrl", toolOptions.ctrl, "hold Ctrl during the drag");
  tool->add_option("--set", toolOptions.sets, "FIELD=VALUE in the palette's units (repeatable)");
  tool->add_option("--record-session", toolOptions.recordSession,
                   "write what was done, event by event, as a session file (see: run)");
  tool->add_flag("--last", toolOptions.last,
                 "start from the tool's last setting (default: from the default setting, so runs repeat)");
  tool->add_option("--select", toolOptions.select, "ids of the elements to select (default: everything)")
      ->expected(1, -1);
  tool->add_option("--plugin", toolOptions.session.pluginPath, "plug-in file to load (default: beside this program)");
  tool->add_flag("-v,--verbose", toolOptions.session.verbose, "print the plug-in's debugger output");
  tool->add_flag("-q,--quiet", toolOptions.session.quiet, "no progress messages");

  vxcli::ActionsOptions actionsOptions;
  CLI::App* actions = app.add_subcommand("actions", "list the plug-in's actions, or play a saved action file on an SVG file");
  actions->require_subcommand(1);
  CLI::App* actionsList = actions->add_subcommand("list", "list the actions and their parameters");
  actionsList->callback([&actionsOptions] { actionsOptions.action = "list"; });
  addSessionOptions(actionsList);
  CLI::App* actionsPlay = actions->add_subcommand("play", "play the events of FILE on the selection of INPUT");
  actionsPlay->callback([&actionsOptions] { actionsOptions.action = "play"; });
  actionsPlay->add_option("file", actionsOptions.file, "action file (JSON) to play")->required();
  actionsPlay->add_option("input", actionsOptions.input, "SVG file to read (- for standard input)")->required();
  actionsPlay->add_option("-o,--output", actionsOptions.output, "SVG file to write (- for standard output)")->required();
  actionsPlay->add_option("--select", actionsOptions.select, "ids of the elements to select (default: everything)")
      ->expected(1, -1);
  actionsPlay->add_option("--plugin", actionsOptions.session.pluginPath, "plug-in file to load (default: beside this program)");
  actionsPlay->add_flag("-v,--verbose", actionsOptions.session.verbose, "print the plug-in's debugger output");
  actionsPlay->add_flag("-q,--quiet", actionsOptions.session.quiet, "no progress messages");

  vxcli::RegenerateOptions regenerateOptions;
  CLI::App* regenerate = app.add_subcommand("regenerate", "rebuild every live object of an SVG file from its source art");
  Files regenerateFiles;
  regenerateFiles.AddTo(regenerate, "read");
  regenerate->add_option("-o,--output", regenerateOptions.output, "SVG file to write (- for standard output)");
  regenerate->add_option("--plugin", regenerateOptions.session.pluginPath, "plug-in file to load (default: beside this program)");
  regenerate->add_flag("-v,--verbose", regenerateOptions.session.verbose, "print the plug-in's debugger output");
  regenerate->add_flag("-q,--quiet", regenerateOptions.session.quiet, "no progress messages");

  vxcli::ExtensionOptions extensionOptions;
  CLI::App* extension = app.add_subcommand(
      "extension", "the Inkscape extension: a descriptor (.inx) per effect and Fractalize, made from the record tables");
  extension->require_subcommand(1);
  CLI::App* extensionWrite = extension->add_subcommand("write", "write the descriptors and their script into FOLDER");
  extensionWrite->add_option("folder", extensionOptions.folder, "folder to write into (made when missing)")->required();
  extensionWrite->callback([&] { extensionOptions.action = "write"; });
  CLI::App* extensionInstall = extension->add_subcommand(
      "install", "install the extension into Inkscape's user extensions folder (~/.config/inkscape/extensions)");
  extensionInstall->add_option("folder", extensionOptions.folder, "another folder to install into");
  extensionInstall->callback([&] { extensionOptions.action = "install"; });
  for (CLI::App* command : {extensionWrite, extensionInstall}) {
    command->add_option("--plugin", extensionOptions.session.pluginPath,
                        "plug-in file to load (default: beside this program)");
    command->add_flag("-q,--quiet", extensionOptions.session.quiet, "no progress messages");
  }

  vxcli::RunOptions runOptions;
  CLI::App* run = app.add_subcommand("run", "do the events of a session file (menu commands, palette edits, tool drags) "
                                            "on an SVG file");
  run->add_option("session", runOptions.script, "session file (JSON) written by --record-session")->required();
  run->add_option("input", runOptions.input, "SVG file to read (- for standard input)")->required();
  run->add_option("-o,--output", runOptions.output, "SVG file to write (- for standard output)")->required();
  run->add_option("--plugin", runOptions.session.pluginPath, "plug-in file to load (default: beside this program)");
  run->add_flag("-v,--verbose", runOptions.session.verbose, "print the plug-in's debugger output");
  run->add_flag("-q,--quiet", runOptions.session.quiet, "no progress messages");

  vxcli::GalleryOptions galleryOptions;
  CLI::App* gallery = app.add_subcommand("gallery", "apply effects and tools to built-in sample art: SVG, PNG and index.html");
  gallery->add_option("-o,--output", galleryOptions.output, "folder to write the gallery into (made when missing)")->required();
  gallery->add_flag("--no-png", galleryOptions.noPng, "write SVG only");
  gallery->add_option("--plugin", galleryOptions.session.pluginPath, "plug-in file to load (default: beside this program)");
  gallery->add_flag("-v,--verbose", galleryOptions.session.verbose, "print the plug-in's debugger output");
  gallery->add_flag("-q,--quiet", galleryOptions.session.quiet, "no progress messages");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error) == 0 ? 0 : 2;
  }

  try {
    if (info->parsed()) return vxcli::RunInfo(session, std::cout);
    if (convert->parsed())
      return convertFiles.Run(convertOptions.input, convertOptions.output, convertOptions.quiet, convertOptions.check, "",
                              [&](std::ostream& out, std::ostream& err) { return vxcli::RunConvert(convertOptions, out, err); });
    if (inspect->parsed()) return vxcli::RunInspect(inspectInput, std::cout);
    if (presets->parsed()) return vxcli::RunPresets(presetsOptions, std::cout, std::cerr);
    if (effect->parsed()) {
      if (effectOptions.fields && effectOptions.effect.empty()) {
        std::cout << effect->help();
        return 0;
      }
      if (effectOptions.list || effectOptions.fields || effectOptions.effect.empty()) return vxcli::RunEffect(effectOptions, std::cout, std::cerr);
      const std::string single = !effectOptions.png.empty()             ? "--png"
                                 : !effectOptions.record.empty()        ? "--record"
                                 : !effectOptions.recordSession.empty() ? "--record-session"
                                                                        : "";
      return effectFiles.Run(effectOptions.input, effectOptions.output, effectOptions.session.quiet, false, single,
                             [&](std::ostream& out, std::ostream& err) { return vxcli::RunEffect(effectOptions, out, err); });
    }
    if (fractalize->parsed()) {
      const std::string single =
          !fractalizeOptions.png.empty() ? "--png" : !fractalizeOptions.record.empty() ? "--record" : "";
      return fractalizeFiles.Run(fractalizeOptions.input, fractalizeOptions.output, fractalizeOptions.session.quiet,
                                 false, single,
                                 [&](std::ostream&, std::ostream& err) { return vxcli::RunFractalize(fractalizeOptions, err); });
    }
    if (tool->parsed())
      return toolFiles.Run(toolOptions.input, toolOptions.output, toolOptions.session.quiet, false,
                           toolOptions.recordSession.empty() ? "" : "--record-session",
                           [&](std::ostream&, std::ostream& err) { return vxcli::RunTool(toolOptions, err); });
    if (regenerate->parsed())
      return regenerateFiles.Run(regenerateOptions.input, regenerateOptions.output, regenerateOptions.session.quiet,
                                 false, "",
                                 [&](std::ostream&, std::ostream& err) { return vxcli::RunRegenerate(regenerateOptions, err); });
    if (run->parsed()) return vxcli::RunSessionScript(runOptions, std::cerr);
    if (extension->parsed()) return vxcli::RunExtension(extensionOptions, std::cout, std::cerr);
    if (gallery->parsed()) return vxcli::RunGallery(galleryOptions, std::cout, std::cerr);
    if (actions->parsed()) {
      if (actionsList->parsed()) actionsOptions.session = session;
      return vxcli::RunActions(actionsOptions, std::cout, std::cerr);
    }
  } catch (const std::exception& error) {
    std::cerr << "vellumix4: " << error.what() << "\n";
    return 1;
  }
  return 2;
}
