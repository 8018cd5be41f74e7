#pragma once

#include <array>
#include <string_view>

namespace orbivane {

// Everything the program stores, one entry per key.
enum class Setting {
    GradStart,
    GradEnd,
    ButtonText,
    ButtonLight,
    OtherText,
    WindowBack,
    DisplayBack,
    Tooltips,
    Sounds,
    RampDivR,
    RampDivG,
    RampDivB,
    HedgeHeight,
    HedgeThickness,
    CellSize,
    Style,
    Perspective,
    WindowSize,
};

enum class SettingForm {
    Colour,  // 0x00BBGGRR, read as "&H..." or decimal, written as decimal
    Flag,    // on only for exactly "Oui"
    Real,    // written with a full stop, read with a full stop or a comma
    Integer, // 16-bit
    Letter,  // kept as stored
};

struct SettingSpec {
    Setting setting;
    std::string_view section; // UTF-8
    std::string_view key;     // UTF-8
    SettingForm form;
    std::string_view defaultText;
};

inline constexpr std::array<SettingSpec, 18> SettingsTable{{
    {Setting::GradStart, "Couleurs de l'interface", "Début du dégradé", SettingForm::Colour, "&H808000"},
    {Setting::GradEnd, "Couleurs de l'interface", "Fin du dégradé", SettingForm::Colour, "&HE0E0E0"},
    {Setting::ButtonText, "Couleurs de l'interface", "Texte des boutons", SettingForm::Colour, "&H808000"},
    {Setting::ButtonLight, "Couleurs de l'interface", "'Lumière' des boutons", SettingForm::Colour, "&HDEFF6C"},
    {Setting::OtherText, "Couleurs de l'interface", "Autres textes", SettingForm::Colour, "&HFFFFFF"},
    {Setting::WindowBack, "Couleurs de l'interface", "Fond des fenêtres", SettingForm::Colour, "&H808000"},
    {Setting::DisplayBack, "Couleurs de l'interface", "Visualisation, dossiers, etc.", SettingForm::Colour, "&HD2D200"},
    {Setting::Tooltips, "Affichage des info-bulles", "Valeur", SettingForm::Flag, "Oui"},
    {Setting::Sounds, "Sons", "Sons", SettingForm::Flag, "Oui"},
    {Setting::RampDivR, "Paramètres", "CouleurDesTroenesR", SettingForm::Real, "2"},
    {Setting::RampDivG, "Paramètres", "CouleurDesTroenesG", SettingForm::Real, "1"},
    {Setting::RampDivB, "Paramètres", "CouleurDesTroenesB", SettingForm::Real, "3"},
    {Setting::HedgeHeight, "Paramètres", "HauteurDesTroenes", SettingForm::Real, "4"},
    {Setting::HedgeThickness, "Paramètres", "EpaisseurDesTroenes", SettingForm::Real, "0.3"},
    {Setting::CellSize, "Paramètres", "TailleDesCellules", SettingForm::Real, "0.3"},
    {Setting::Style, "Style", "Style", SettingForm::Letter, "C"},
    {Setting::Perspective, "Perspective", "Perspective", SettingForm::Integer, "30"},
    {Setting::WindowSize, "Taille de la fenêtre", "Valeur", SettingForm::Flag, "Non"},
}};

constexpr const SettingSpec& specOf(Setting setting)
{
    return SettingsTable[static_cast<std::size_t>(setting)];
}

} // namespace orbivane
